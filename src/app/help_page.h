#pragma once

namespace vork {

class Platform;

// The product web site's base address; a help button adds its page's path to it.
inline constexpr const char* kWebSite = "https://www.vork-simulador.org";

// Opens a help page of the web site in the system browser, without asking about the internet.
void OpenHelpPage(Platform& platform, const char* path);

}  // namespace vork
