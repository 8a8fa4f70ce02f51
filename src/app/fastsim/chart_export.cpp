#include "app/fastsim/chart_export.h"

#include <QDir>
#include <QFile>

#include "app/app_context.h"
#include "fastsim/curve_csv.h"
#include "plot/chart_files.h"

namespace vork {

namespace {

const char* Filter(ExportFormat format) {
    switch (format) {
        case ExportFormat::Png:
            return "Imagem PNG (*.png)|*.png";
        case ExportFormat::Svg:
            return "Imagem SVG (*.svg)|*.svg";
        case ExportFormat::Csv:
            return "Valores separados por vírgula (*.csv)|*.csv";
    }
    return "";
}

QString CannotWrite(const QString& path, Language language) {
    return (language == Language::English ? "Cannot write the file "
                                          : "Não foi possível gravar o arquivo ") +
           QDir::toNativeSeparators(path);
}

}  // namespace

QString WriteChartFile(const FastSimulationWindow& model, ChartRow row, int loop,
                       ExportFormat format, const QString& path) {
    const LoopCurves& curves = model.curves(row, loop);
    bool written = false;
    if (format == ExportFormat::Csv) {
        QFile file(path);
        std::string text = CurvesCsv(curves);
        written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                  file.write(text.data(), static_cast<qint64>(text.size())) ==
                      static_cast<qint64>(text.size());
    } else {
        ChartPicture picture{curves, model.range(row, loop),
                             QString::fromStdString(model.ExportTitle(row, loop))};
        written = format == ExportFormat::Png ? WriteChartPng(path, picture)
                                              : WriteChartSvg(path, picture);
    }
    return written ? QString() : CannotWrite(path, model.language());
}

void ExportChart(AppContext& context, const FastSimulationWindow& model, ChartRow row, int loop,
                 ExportFormat format) {
    QString path = context.platform.SaveFileName(
        {QString(), QString(), QString::fromStdString(model.ExportFileName(row, loop, format)),
         Filter(format)});
    if (path.isEmpty()) return;
    QString error = WriteChartFile(model, row, loop, format, path);
    if (!error.isEmpty()) context.platform.Message(error);
}

}  // namespace vork
