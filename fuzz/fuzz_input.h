// The fuzz bytes read as a stream of choices, numbers and texts. Reading past
// the end gives zeros, so every input is usable.
#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <type_traits>

namespace fuzz {

/**
 * Aborts, which libFuzzer reports as a crash with the input, when an invariant does not hold;
 * names the line of the broken check first.
 */
inline void check(bool condition, int line = __builtin_LINE())
{
    if (condition)
        return;
    std::fprintf(stderr, "invariant broken at line %d\n", line);
    std::abort();
}

class Input
{
public:
    Input(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    { }

    bool empty() const { return m_size == 0; }

    std::uint8_t byte()
    {
        if (m_size == 0)
            return 0;
        --m_size;
        return *m_data++;
    }

    /// A choice among @p count alternatives.
    int pick(int count) { return byte() % count; }

    /// Mostly a value at or next to an end of the type, zero or a small number; else raw bytes.
    template<typename T> T integer()
    {
        using Limits = std::numeric_limits<T>;
        const std::uint8_t choice = byte();
        switch (choice % 8) {
        case 0: return Limits::lowest() + T(choice / 8 % 2);
        case 1: return Limits::max() - T(choice / 8 % 2);
        case 2: return T(int(byte()) - 128);
        case 3: return T(byte());
        case 4: return T(std::make_unsigned_t<T>(byte()) * 1000000007u); // wraps, as it may
        default: break;
        }
        return raw<T>();
    }

    /// The next bytes as they are in memory: for a double, NaN, infinities and denormals included.
    template<typename T> T raw()
    {
        std::uint8_t bytes[sizeof(T)] = {};
        for (auto& b : bytes)
            b = byte();
        T value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    /// All bytes not read yet, as they are.
    std::string rest()
    {
        std::string bytes(reinterpret_cast<const char*>(m_data), m_size);
        m_size = 0;
        return bytes;
    }
    /**
     * Up to @p maxLength characters, each chosen by one byte from @p alphabet or, for the one
     * choice past its end, any UTF-16 code unit (lone surrogates included) from the next two bytes.
     */
    QString text(const QString& alphabet, int maxLength)
    {
        const int length = pick(maxLength + 1);
        QString result;
        for (int i = 0; i < length; ++i) {
            const int choice = pick(alphabet.size() + 1);
            if (choice < alphabet.size()) {
                result += alphabet.at(choice);
            } else {
                const int high = byte();
                result += QChar(char16_t(high << 8 | byte()));
            }
        }
        return result;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

} // namespace fuzz
