#pragma once

#include "plant/addresses.h"

namespace vork {

// The kinds of object a project edits. The first five live in numbered slots (as SlotKind); the
// others exist once and are addressed as slot 0.
enum class ObjectKind {
    Controller,
    Process,
    Calc,
    Recorder,
    Text,
    Generator,
    Characterizer,
    XYRecorder,
    Workspace
};

// Which object an edit or a notification is about.
struct ObjectRef {
    ObjectKind kind = ObjectKind::Workspace;
    int slot = 0;

    bool operator==(const ObjectRef&) const = default;
};

// The slot kinds and the first five object kinds share their order.
static_assert(static_cast<int>(ObjectKind::Controller) == static_cast<int>(SlotKind::Controller) &&
              static_cast<int>(ObjectKind::Process) == static_cast<int>(SlotKind::Process) &&
              static_cast<int>(ObjectKind::Calc) == static_cast<int>(SlotKind::Calc) &&
              static_cast<int>(ObjectKind::Recorder) == static_cast<int>(SlotKind::Recorder) &&
              static_cast<int>(ObjectKind::Text) == static_cast<int>(SlotKind::Text));

constexpr ObjectKind KindOf(SlotKind kind) {
    return static_cast<ObjectKind>(kind);
}

constexpr bool InSlots(ObjectKind kind) {
    return kind <= ObjectKind::Text;
}

// Only for a kind that lives in slots.
constexpr SlotKind SlotKindOf(ObjectKind kind) {
    return static_cast<SlotKind>(kind);
}

}  // namespace vork
