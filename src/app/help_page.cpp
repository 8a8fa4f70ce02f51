#include "app/help_page.h"

#include <QString>

#include "app/platform/platform.h"

namespace vork {

void OpenHelpPage(Platform& platform, const char* path) {
    platform.OpenWebAddress(QString::fromLatin1(kWebSite) + QString::fromLatin1(path));
}

}  // namespace vork
