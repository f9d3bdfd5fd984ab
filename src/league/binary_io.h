// Little-endian reading and writing of the fixed-width record fields used by the game's binary files.
#pragma once

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace hv {

struct FormatError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ByteWriter {
  public:
    void I16(int16_t v) { Raw(&v, 2); }
    void I32(int32_t v) { Raw(&v, 4); }
    void F64(double v) { Raw(&v, 8); }
    void Bool(bool v) { I16(v ? -1 : 0); }
    // A string: 2-byte unsigned length (bytes), then the bytes.
    void Str(std::string_view s) {
        if (s.size() > 0xFFFF) throw FormatError("string too long");
        uint16_t n = static_cast<uint16_t>(s.size());
        Raw(&n, 2);
        bytes_.append(s);
    }
    const std::string& Bytes() const { return bytes_; }
    std::string& Bytes() { return bytes_; }
    void Reserve(size_t n) { bytes_.reserve(n); }

  private:
    void Raw(const void* p, size_t n) { bytes_.append(static_cast<const char*>(p), n); } // little-endian host
    std::string bytes_;
};

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
inline bool IsValidUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        size_t extra;
        uint32_t cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1, cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, cp = c & 0x07;
        } else {
            return false;
        }
        if (s.size() - i <= extra) return false;
        for (size_t k = 1; k <= extra; ++k) {
            auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        static const uint32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

class ByteReader {
  public:
    explicit ByteReader(std::string_view data) : data_(data) {}
    int16_t I16() { return Value<int16_t>(); }
    uint16_t U16() { return Value<uint16_t>(); }
    int32_t I32() { return Value<int32_t>(); }
    double F64() { return Value<double>(); }
    bool Bool() { return I16() != 0; }
    std::string Str() {
        uint16_t n = U16();
        Need(n);
        std::string s(data_.substr(pos_, n));
        pos_ += n;
        return s;
    }
    size_t Position() const { return pos_; }
    size_t Remaining() const { return data_.size() - pos_; }
    bool AtEnd() const { return pos_ == data_.size(); }

  private:
    void Need(size_t n) const {
        if (Remaining() < n) throw FormatError("unexpected end of file");
    }
    template <class T> T Value() { // little-endian host
        Need(sizeof(T));
        T v;
        std::memcpy(&v, data_.data() + pos_, sizeof(T));
        pos_ += sizeof(T);
        return v;
    }
    std::string_view data_;
    size_t pos_ = 0;
};

} // namespace hv
