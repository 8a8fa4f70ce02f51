#include "app/platform/platform_notices.h"

#include <QString>
#include <QtGlobal>

namespace vork {

namespace {

QtMessageHandler previous = nullptr;

void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("This plugin does not support") ||
        message.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set"))
        return;
    previous(type, context, message);
}

}  // namespace

void SilencePlatformNotices() {
    previous = qInstallMessageHandler(Filter);
}

}  // namespace vork
