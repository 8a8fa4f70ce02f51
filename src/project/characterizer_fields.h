#pragma once

#include <array>
#include <string>

namespace vork {

// The characterizer panel's fields as the simulation file stores them.
struct CharacterizerFields {
    static constexpr int kPoints = 6;

    std::string Lin1EndEnt = "01 MV";  // input variable, as shown in the input field
    bool Lin1Ativar = false;           // computed in every scan cycle while set
    // `Lin1MV1` .. `Lin1MV6`: input coordinates; `Lin1PV1` .. `Lin1PV6`: output coordinates.
    std::array<std::string, kPoints> Lin1MV = {"0", "20", "40", "60", "80", "100"};
    std::array<std::string, kPoints> Lin1PV = {"0", "20", "40", "60", "80", "100"};
};

}  // namespace vork
