#pragma once

#include "app/platform/platform.h"
#include "windows/desk.h"

namespace vork {

// The window models' desk on the program's platform: the same boxes and dialogs.
class PlatformDesk : public Desk {
  public:
    explicit PlatformDesk(Platform& platform) : platform_(platform) {}

    void Message(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    std::filesystem::path OpenFileName(const FileQuestion& question) override;
    std::filesystem::path SaveFileName(const FileQuestion& question) override;
    std::filesystem::path ChooseFolder(const std::filesystem::path& folder) override;

  private:
    Platform& platform_;
};

}  // namespace vork
