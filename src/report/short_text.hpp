// A short text built on the stack from pieces and decimal numbers: the value of one report
// line, put together without an allocation.
#pragma once

#include <charconv>
#include <cstddef>
#include <string_view>

namespace tarn {

class ShortText {
public:
    // Room for the longest value built this way (a Russian circuit code with its trunk
    // and channel is under 100 bytes); what would not fit is left off.
    static constexpr std::size_t kCapacity = 160;

    ShortText() = default;
    template <typename... Pieces>
    explicit ShortText(Pieces... pieces) {
        (add(pieces), ...);
    }

    ShortText& add(std::string_view piece) {
        const std::size_t n = piece.size() < kCapacity - size_ ? piece.size() : kCapacity - size_;
        piece.copy(data_ + size_, n);
        size_ += n;
        return *this;
    }
    ShortText& add(const char* piece) { return add(std::string_view(piece)); }
    // A number in decimal digits.
    ShortText& add(unsigned number) {
        char digits[10];
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        return add(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }

    std::string_view view() const { return {data_, size_}; }
    operator std::string_view() const { return view(); }

private:
    char data_[kCapacity];
    std::size_t size_ = 0;
};

}  // namespace tarn
