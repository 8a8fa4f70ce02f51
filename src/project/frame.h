#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/variable_table.h"
#include "plant/characterizer.h"
#include "plant/simulation.h"
#include "project/line_reader.h"
#include "project/line_writer.h"
#include "project/object_records.h"
#include "workspace/workspace.h"

// The frame of the simulation file: its eighteen sections in order, with everything but the
// object records, which go through ObjectRecords.
namespace vork {

// What the frame reads and writes.
struct ProjectFrame {
    Workspace& workspace;
    VariableTable& vars;  // catalogue, descriptions of M15..M20 and the operator input values
    CharacterizerFields& characterizer;  // the live characterizer's fields
    ObjectRecords& records;
    Language language = Language::Portuguese;
    std::function<void(int)> progress;    // load progress in percent, 5 .. 100
    std::function<void()> catalogueRead;  // refresh of the variable list after the catalogue
};

void WriteFrame(const ProjectFrame& frame, LineWriter& out);

// Reads a whole file into a project that starts from a new project's state. `fileName` is the
// file's name without folder and extension, the title of a file whose title line is empty.
// Returns the messages of the objects' own checks in order; a LoadError stops the reading.
std::vector<std::string> ReadFrame(const ProjectFrame& frame, LineReader& in,
                                   std::string_view fileName);

}  // namespace vork
