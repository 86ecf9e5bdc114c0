#include "capture/BlockCollector.h"

namespace ilmo::capture {

void BlockCollector::add(std::span<const uint8_t> bytes, const BlockSink& on_block) {
    size_t at = 0;
    if (odd_byte_ && !bytes.empty()) {
        add_value(static_cast<int16_t>(*odd_byte_ | bytes[0] << 8), on_block);
        odd_byte_.reset();
        at = 1;
    }
    for (; at + 1 < bytes.size(); at += 2) {
        add_value(static_cast<int16_t>(bytes[at] | bytes[at + 1] << 8), on_block);
    }
    if (at < bytes.size()) odd_byte_ = bytes[at];
}

void BlockCollector::clear() {
    filled_ = 0;
    odd_byte_.reset();
}

void BlockCollector::add_value(int16_t value, const BlockSink& on_block) {
    block_[filled_++] = value;
    if (filled_ == kBlockValues) {
        filled_ = 0;
        on_block(block_);
    }
}

}  // namespace ilmo::capture
