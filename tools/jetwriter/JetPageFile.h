// The pages of a Jet file as they are made: numbered from 0 in the order they are allocated.
#pragma once

#include "tools/jetwriter/JetFormat.h"
#include "tools/jetwriter/JetPage.h"

#include <cstdint>
#include <deque>
#include <string>

class JetPageFile {
public:
    explicit JetPageFile(const JetFormat& format) : format_(format) {}

    // Appends a zero page and returns its number. References to pages stay valid.
    uint32_t Allocate();
    JetPage& Page(uint32_t number) { return pages_.at(number); }
    uint32_t Count() const { return static_cast<uint32_t>(pages_.size()); }
    const JetFormat& Format() const { return format_; }

    // The whole file: every page in order.
    std::string Bytes() const;

private:
    const JetFormat& format_;
    std::deque<JetPage> pages_;
};
