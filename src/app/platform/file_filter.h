#pragma once

#include <QString>

namespace vork {

// A dialog filter of description and pattern pairs separated by bars, "Arquivos Bit-Map
// (*.bmp);|*.bmp|Todos os Arquivos (*.*)|*.*", as Qt writes it: "Arquivos Bit-Map (*.bmp);;Todos
// os Arquivos (*.*)". A description without parentheses gets its pattern appended.
QString QtFileFilter(const QString& barFilter);

}  // namespace vork
