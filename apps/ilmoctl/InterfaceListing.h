#pragma once
// The text of `ilmoctl list`: every interface with its identity and the slot it claims, or
// why it claims none.

#include <string>

#include "device/InterfaceSurvey.h"

namespace ilmo::ctl {

std::string format_interface_listing(const device::Survey& survey);

}  // namespace ilmo::ctl
