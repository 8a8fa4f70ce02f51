#include "app/help/web_links.h"

#include "app/app_context.h"

namespace vork {

namespace {

constexpr const char* kNoInternet = "É requerida conexão com internet";

}  // namespace

QString WebAddress(const char* path) {
    return QString(kWebSite) + QString::fromUtf8(path);
}

void OpenWebPage(AppContext& context, const char* path) {
    context.platform.OpenWebAddress(WebAddress(path));
}

void OpenWebPageOnline(AppContext& context, const char* path) {
    if (context.platform.InternetAvailable())
        OpenWebPage(context, path);
    else
        context.platform.Message(QString::fromUtf8(kNoInternet));
}

}  // namespace vork
