#pragma once

#include <string>
#include <vector>

#include "plant/addresses.h"
#include "project/line_reader.h"
#include "project/line_writer.h"

namespace vork {

// The seam between the file's frame and the object records. The frame walks the sections, the
// slot flags and the marker positions; whoever owns the objects writes and reads the records.
// Records of controllers, process blocks and calculation blocks, trend recorders and animated
// texts are called per filled slot in slot order; the signal generator section once.
class ObjectRecords {
  public:
    virtual ~ObjectRecords() = default;

    // Writing. The frame writes a "True" flag, a record and a position entry for exactly the
    // slots that report filled.
    virtual bool Filled(SlotKind kind, int slot) const = 0;
    virtual void WriteRecord(SlotKind kind, int slot, LineWriter& out) const = 0;
    virtual void WriteGenerator(LineWriter& out) const = 0;

    // Reading. Fill is called for every "True" flag of a group, in slot order, before any of
    // the group's records: it creates the slot's object with its identity number
    // (IdentityNumber). ReadRecord then reads the record from the current line and runs the
    // object's own check; it returns that check's messages, in order, and may stop the load by
    // throwing a LoadError.
    virtual void Fill(SlotKind kind, int slot) = 0;
    virtual std::vector<std::string> ReadRecord(SlotKind kind, int slot, LineReader& in) = 0;
    virtual void ReadGenerator(LineReader& in) = 0;
};

}  // namespace vork
