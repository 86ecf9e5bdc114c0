#pragma once
// How closely host light frames may follow each other on each link, from the start of one to
// the start of the next: the receiver's radio link carries fewer frames than the cable.

namespace ilmo::device {

inline constexpr int kCableFramePaceMs = 10;
inline constexpr int kReceiverFramePaceMs = 50;

}  // namespace ilmo::device
