// Natural order and path order on three strings at a time: each must be a strict weak order
// (a sort of a whole drive's table relies on it), natural order calls only identical strings
// equal, path order ignores ASCII case and the kind of separator, a folder sorts before what it
// holds, and digit runs compare by their value.
#include "core/scan/ComparePaths.h"
#include "core/scan/NaturalCompare.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

int Sign(int r) { return (r > 0) - (r < 0); }

// Digits and zeros of several scripts, letters in both cases, symbols, separators, and a name
// long enough to leave the comparison's buffer on the stack. No NUL: both sides read to one.
const std::u16string kLong(300, u'k');
const std::u16string_view kPieces[] = {
    u"0",  u"00", u"1",  u"2",      u"9",      u"10",     u"a",      u"A",  u"b",
    u"Z",  u"z",  u"_",  u"-",      u".",      u"~",      u" ",      u"\\", u"/",
    u"D:", u"文", u"，", u"\uFF10", u"\uFF15", u"\u0660", u"\u0669", u"é",  kLong};
constexpr size_t kPieceCount = sizeof(kPieces) / sizeof(kPieces[0]);

// Byte 0xFF starts the next string; 0xFE repeats the last unit as often as the next two bytes
// say, up to 1023 times, to give names of every length; 0xF0 to 0xFD take the next two bytes as
// one raw unit.
void Decode(const uint8_t* data, size_t size, std::u16string (&out)[3]) {
    size_t n = 0;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF) {
            if (++n == 3) return;
        } else if (data[i] < 0xF0) {
            out[n] += kPieces[data[i] % kPieceCount];
        } else if (i + 2 < size) {
            const auto unit = static_cast<char16_t>(data[i + 1] | (data[i + 2] << 8));
            if (data[i] == 0xFE)
                out[n].append(unit % 1024, out[n].empty() ? u'k' : out[n].back());
            else if (unit != 0)
                out[n] += unit;
            i += 2;
        }
    }
}

int Natural(const std::u16string& a, const std::u16string& b) {
    return NaturalCompareFallback(a.c_str(), b.c_str());
}

int Paths(const std::u16string& a, const std::u16string& b) {
    return Sign(ComparePaths(a.c_str(), b.c_str()));
}

// The same path spelled otherwise: ASCII case swapped and each separator traded for the other.
std::u16string Respelled(const std::u16string& s) {
    std::u16string r = s;
    for (char16_t& c : r) {
        if (c == u'\\' || c == u'/')
            c = c == u'\\' ? u'/' : u'\\';
        else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
            c ^= 0x20;
    }
    return r;
}

template <class Cmp> void CheckWeakOrder(const std::u16string (&s)[3], Cmp cmp) {
    for (const auto& x : s)
        for (const auto& y : s) Check(cmp(x, y) == -cmp(y, x));
    // Over every ordering of the three: a <= b <= c gives a <= c, equal only if both steps are.
    const int orders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const auto& o : orders) {
        const int ab = cmp(s[o[0]], s[o[1]]), bc = cmp(s[o[1]], s[o[2]]);
        if (ab > 0 || bc > 0) continue;
        const int ac = cmp(s[o[0]], s[o[2]]);
        Check(ac <= 0 && (ac == 0) == (ab == 0 && bc == 0));
    }
}

uint64_t Hash(const std::u16string& s) {
    uint64_t h = 1469598103934665603u;
    for (char16_t c : s) h = (h ^ c) * 1099511628211u;
    return h;
}

std::u16string Decimal(uint64_t v) {
    std::u16string digits;
    do digits.insert(digits.begin(), static_cast<char16_t>(u'0' + v % 10));
    while ((v /= 10) != 0);
    return digits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string s[3];
    Decode(data, size, s);

    for (const auto& x : s) {
        for (const auto& y : s) {
            const int r = Natural(x, y);
            Check(r >= -1 && r <= 1);
            Check((r == 0) == (x == y));
        }
        Check(NaturalCompareFallback(nullptr, x.c_str()) == -1);
        Check(Paths(x, x) == 0 && Paths(x, Respelled(x)) == 0);
        Check(Sign(ComparePaths(nullptr, x.c_str())) == Paths(u"", x));
    }
    CheckWeakOrder(s, Natural);
    CheckWeakOrder(s, Paths);

    // Case and separators change nothing against another path either.
    Check(Paths(Respelled(s[0]), s[1]) == Paths(s[0], s[1]));
    // A folder before what it holds, however the contents are named.
    if (s[1].find_first_not_of(u"\\/") != std::u16string::npos)
        Check(Paths(s[0], s[0] + u"\\" + s[1]) < 0);

    // Behind the same text and before the same text, a digit run orders by its value, and the
    // same value with a leading zero more sorts first.
    const uint64_t m = Hash(s[0]) >> (Hash(s[1]) % 64), n = Hash(s[2]) >> (Hash(s[0]) % 64);
    const std::u16string head = s[0] + u"x", tail = u"x" + s[1];
    const std::u16string am = head + Decimal(m) + tail, an = head + Decimal(n) + tail;
    Check(Natural(am, an) == (m < n ? -1 : m > n ? 1 : 0));
    Check(Natural(head + u"0" + Decimal(m) + tail, am) == -1);
    return 0;
}
