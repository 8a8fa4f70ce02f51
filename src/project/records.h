#pragma once

#include <string>
#include <vector>

#include "project/line_reader.h"
#include "project/line_writer.h"

// The object records of the simulation file, one write and one read per kind. A reader reads its
// record at the current line into an object the file reader has just created, then runs the
// object's own check and returns that check's messages in order. Strict integer items that are
// not integers stop the load with a LoadError.
namespace vork {

class Simulation;
class Controller;
class ProcessBlock;
class CalcBlock;
class TrendRecorder;
class AnimatedText;
class SignalGenerator;

void WriteControllerRecord(const Controller& controller, LineWriter& out);
// Followed by Validate.
std::vector<std::string> ReadControllerRecord(Controller& controller, Simulation& sim,
                                              LineReader& in);

void WriteProcessRecord(const ProcessBlock& block, LineWriter& out);
// Followed by Validate.
std::vector<std::string> ReadProcessRecord(ProcessBlock& block, Simulation& sim, LineReader& in);

void WriteCalcRecord(const CalcBlock& block, LineWriter& out);
// Followed by the apply step with messages.
std::vector<std::string> ReadCalcRecord(CalcBlock& block, Simulation& sim, LineReader& in);

void WriteRecorderRecord(const TrendRecorder& recorder, LineWriter& out);
// Followed by the recorder's Refresh, which has no messages.
void ReadRecorderRecord(TrendRecorder& recorder, Simulation& sim, LineReader& in);

void WriteTextRecord(const AnimatedText& text, LineWriter& out);
// Followed by the text's apply step, which has no messages.
void ReadTextRecord(AnimatedText& text, Simulation& sim, LineReader& in);

// The "<Parametros>" section of the 16 generator channels.
void WriteGeneratorSection(const SignalGenerator& generator, LineWriter& out);
// Followed by the generator's load step: row arrangement and apply.
void ReadGeneratorSection(SignalGenerator& generator, Simulation& sim, LineReader& in);

}  // namespace vork
