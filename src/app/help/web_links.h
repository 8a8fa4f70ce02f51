#pragma once

#include <QString>

namespace vork {

struct AppContext;

// The product web site: its base address and the paths of its pages. The menu links check the
// internet first; the help buttons of the object windows open their pages directly.
inline constexpr const char* kWebSite = "https://vork.example.org";

namespace web_page {
inline constexpr const char* kHome = "";
inline constexpr const char* kVideoLessons = "/?page_id=72";
inline constexpr const char* kControlFundamentals = "/?page_id=392";
inline constexpr const char* kGenerator = "/?page_id=70/#gerador_sinais";
inline constexpr const char* kController = "/?page_id=55#controlador_PID";
inline constexpr const char* kCalculationBlock = "/?page_id=55#bloco_calculo";
inline constexpr const char* kProcessBlock = "/?page_id=55#bloco_processo";
inline constexpr const char* kVariableList = "/?page_id=70/#mapa_variaveis";
inline constexpr const char* kFastSimulation = "/?page_id=70/#simulacao_rapida";
}  // namespace web_page

// The address of a page of the site.
QString WebAddress(const char* path);

// Opens a page of the site in the browser, as a window's help button does.
void OpenWebPage(AppContext& context, const char* path);

// Opens a page of the site only when the computer reaches the internet; otherwise tells the
// user so and opens nothing.
void OpenWebPageOnline(AppContext& context, const char* path);

}  // namespace vork
