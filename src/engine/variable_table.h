#pragma once

#include <array>
#include <string>
#include <vector>

namespace vork {

// The six texts every address M01..M99 carries.
struct VariableAttributes {
    std::string unit = "%";
    std::string ueMin = "0.0";
    std::string ueMax = "100.00";
    std::string lie = "0.00";  // lower limit, engineering units, an expression
    std::string lse = "100.00";
    std::string description;
};

enum class AttributeField { Unit, UeMin, UeMax, Lie, Lse, Description };

// The global table of numbered signals (M01..M99, percent of range) and the actuator positions
// (M101..M124) of the process blocks, with the attributes that displays and pick lists use.
class VariableTable {
  public:
    static constexpr int kValues = 99;
    static constexpr int kActuators = 24;
    static constexpr int kDescriptions = 124;
    static constexpr size_t kMaxText = 255;

    VariableTable() { ResetProgramStart(); }

    // Reads M1..M99 or M101..M124; every other address reads 0. Inline: every object reads and
    // writes several variables on every tick.
    double Read(int address) const {
        if (address >= 1 && address <= kValues) return values_[address - 1];
        if (address >= 101 && address <= 100 + kActuators) return actuators_[address - 101];
        return 0.0;
    }
    // Writes M1..M99; other addresses are ignored. Values are stored unchanged.
    void Write(int address, double value) {
        if (address >= 1 && address <= kValues) values_[address - 1] = value;
    }
    // Stores M(100+n) for process block n (1..24).
    void WriteActuator(int block, double value) {
        if (block >= 1 && block <= kActuators) actuators_[block - 1] = value;
    }

    const VariableAttributes& Attributes(int address) const;
    std::string Attribute(int address, AttributeField field) const;
    // Texts longer than 255 characters are cut. Addresses 101..124 take only a description.
    void SetAttribute(int address, AttributeField field, const std::string& text);
    std::string Description(int address) const;
    void SetDescription(int address, const std::string& text);

    void ResetProgramStart();
    void ResetNewProject();

    // Short list: M01..M99 as "nn description". Long list: M01..M124 as "nnn   description"
    // with two digits below 100. Entry p selects address p + 1.
    std::vector<std::string> ShortPickList() const;
    std::vector<std::string> LongPickList() const;

    // Percent to engineering units and back, over the address's UE min..UE max.
    double ToEngineering(int address, double percent) const;
    double ToPercent(int address, double engineering) const;

    // Owner role label shown in the variable list's "Tipo" column.
    static std::string RoleLabel(int address);
    // Description an address has at program start.
    static std::string DefaultDescription(int address);

  private:
    std::array<double, kValues> values_{};
    std::array<double, kActuators> actuators_{};
    std::array<VariableAttributes, kValues> attributes_{};
    // Descriptions of M100..M124; M100 stays empty.
    std::array<std::string, kDescriptions - kValues> upperDescriptions_{};
};

// "M05", "M21": the reference form of an address in expressions and texts.
std::string AddressName(int address);

}  // namespace vork
