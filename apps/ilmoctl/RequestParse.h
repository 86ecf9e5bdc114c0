#pragma once
// A device command as its words give it, or the usage error they make.

#include <string>

namespace ilmo::ctl {

template <class Request>
struct RequestParse {
    Request request;
    std::string error;  // empty when the words make a request

    bool ok() const { return error.empty(); }
};

}  // namespace ilmo::ctl
