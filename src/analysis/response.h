#pragma once

#include <string>
#include <vector>

namespace vork {

// A recorded response of one loop: sample times in seconds, increasing, and the PV and CO in
// percent at those times. The CO is taken as held from one sample to the next. It may come from
// an automatic step test, a live trend or an archive.
struct Response {
    std::vector<double> t, pv, co;

    size_t size() const { return t.size(); }
    void Add(double time, double pvValue, double coValue) {
        t.push_back(time);
        pv.push_back(pvValue);
        co.push_back(coValue);
    }
};

// Empty when a model can be fitted to the data; otherwise the reason, for the user.
std::string CheckResponse(const Response& r);

}  // namespace vork
