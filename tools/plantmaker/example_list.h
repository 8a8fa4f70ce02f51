#pragma once

#include <string>
#include <vector>

namespace vork::plantmaker {

class Example;

// One description: the file's name and the function of the same name that fills an Example.
struct ExampleEntry {
    const char* name;
    void (*describe)(Example& ex);
};

// Every file in tools/plantmaker/examples/, in file-name order.
const std::vector<ExampleEntry>& AllExamples();

}  // namespace vork::plantmaker
