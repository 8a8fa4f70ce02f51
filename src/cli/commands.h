#pragma once

#include <string>
#include <vector>

// The commands of vork-sim. Each takes the arguments after its name and returns the exit status:
// 0 on success, 1 when the work failed, 2 for a usage error.
namespace vork::cli {

int Eval(const std::vector<std::string>& args);
int Check(const std::vector<std::string>& args);
int Resave(const std::vector<std::string>& args);
int Step(const std::vector<std::string>& args);
int Run(const std::vector<std::string>& args);
int Tune(const std::vector<std::string>& args);
int Grade(const std::vector<std::string>& args);

}  // namespace vork::cli
