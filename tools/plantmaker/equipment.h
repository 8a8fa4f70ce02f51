#pragma once

#include <QPainter>

#include "plantmaker/sheet.h"

// One drawing per equipment item of the sheet.
namespace vork::plantmaker {

void Draw(QPainter& p, const VesselItem& item);
void Draw(QPainter& p, const TankItem& item);
void Draw(QPainter& p, const DrumItem& item);
void Draw(QPainter& p, const ColumnItem& item);
void Draw(QPainter& p, const ExchangerItem& item);
void Draw(QPainter& p, const FurnaceItem& item);
void Draw(QPainter& p, const FlameItem& item);
void Draw(QPainter& p, const HeaterItem& item);
void Draw(QPainter& p, const PumpItem& item);
void Draw(QPainter& p, const CompressorItem& item);
void Draw(QPainter& p, const MotorItem& item);
void Draw(QPainter& p, const ValveItem& item);
void Draw(QPainter& p, const ConveyorItem& item);
void Draw(QPainter& p, const PileItem& item);
void Draw(QPainter& p, const MillItem& item);
void Draw(QPainter& p, const OrificeItem& item);
void Draw(QPainter& p, const SourceItem& item);
void Draw(QPainter& p, const PolygonItem& item);
void Draw(QPainter& p, const EllipseItem& item);
void Draw(QPainter& p, const BoxItem& item);

}  // namespace vork::plantmaker
