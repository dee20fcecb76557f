// Result-buffer chains: allocation, release, building and copying.
#include "zc_resbuf.h"

#include <array>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include "zrxhost/resbuf_kind.h"

namespace {

constexpr zrxhost::RbValueKind classify(int t)
{
    using K = zrxhost::RbValueKind;
    switch (t) {
    case RTREAL: case RTANG: case RTORINT: return K::kReal;
    case RTPOINT: case RT3DPOINT: return K::kPoint;
    case RTSHORT: return K::kShort;
    case RTSTR: case RTDXF0: return K::kString;
    case RTENAME: case RTPICKS: return K::kName;
    case RTLONG: return K::kLong;
    case RTINT64: case RTLONG_PTR: return K::kInt64;
    case RTLB: case RTLE: case RTDOTE: case RTNIL: case RTT: case RTVOID: case RTNONE: return K::kNone;
    default: break;
    }
    if (t == -1 || t == -2) return K::kName;
    if (t == -4) return K::kString;
    if (t < 0) return K::kNone;
    if (t <= 9) return K::kString;
    if (t <= 37) return K::kPoint;
    if (t <= 59) return K::kReal;
    if (t <= 79) return K::kShort;
    if (t <= 89) return K::kNone;
    if (t <= 99) return K::kLong;
    if (t <= 109) return K::kString;            // subclass markers, control strings, handles
    if (t <= 139) return K::kPoint;             // UCS origin and axes
    if (t <= 149) return K::kReal;
    if (t <= 159) return K::kNone;
    if (t <= 169) return K::kInt64;
    if (t <= 179) return K::kShort;
    if (t <= 209) return K::kNone;
    if (t <= 239) return K::kPoint;             // extrusion direction
    if (t <= 269) return K::kNone;
    if (t <= 299) return K::kShort;             // 270-289 shorts, 290-299 booleans
    if (t <= 309) return K::kString;
    if (t <= 319) return K::kBinary;
    if (t <= 369) return K::kString;            // handles as hexadecimal text
    if (t <= 389) return K::kShort;
    if (t <= 399) return K::kString;
    if (t <= 409) return K::kShort;
    if (t <= 419) return K::kString;
    if (t <= 429) return K::kLong;
    if (t <= 439) return K::kString;
    if (t <= 459) return K::kLong;
    if (t <= 469) return K::kReal;
    if (t <= 481) return K::kString;
    if (t == 999) return K::kString;
    if (t == 1004) return K::kBinary;
    if (t >= 1000 && t <= 1009) return K::kString;
    if (t >= 1010 && t <= 1039) return K::kPoint;
    if (t >= 1040 && t <= 1059) return K::kReal;
    if (t >= 1060 && t <= 1070) return K::kShort;
    if (t == 1071) return K::kLong;
    return K::kNone;
}

// Every group code, xdata code and result code at one look.
template <int First, int Last>
struct KindTable {
    static constexpr bool holds(int t) { return t >= First && t <= Last; }
    constexpr KindTable()
    {
        for (int t = First; t <= Last; ++t) kinds[static_cast<size_t>(t - First)] = classify(t);
    }
    zrxhost::RbValueKind operator[](int t) const { return kinds[static_cast<size_t>(t - First)]; }
    std::array<zrxhost::RbValueKind, Last - First + 1> kinds{};
};
constexpr KindTable<-10, 1071> kGroupKinds;
constexpr KindTable<RTNONE, RTINT64> kResultKinds;

inline zrxhost::RbValueKind kindOf(int t)
{
    if (kGroupKinds.holds(t)) return kGroupKinds[t];
    if (kResultKinds.holds(t)) return kResultKinds[t];
    return classify(t);
}

}  // namespace

zrxhost::RbValueKind zrxhost::rbValueKind(int t) { return kindOf(t); }

resbuf* zcutNewRb(int restype)
{
    // Blocks of the C heap, as the SDK promises: a caller may free() what it takes out of a
    // chain, or put in one a string it allocated itself.
    // Not calloc, which passes by the heap's per-thread cache: chains are made and freed a
    // buffer at a time. Filled field by field, lest the compiler turn it into calloc again.
    auto* rb = static_cast<resbuf*>(std::malloc(sizeof(resbuf)));
    rb->rbnext = nullptr;
    rb->restype = static_cast<short>(restype);
    std::memset(&rb->resval, 0, sizeof rb->resval);
    return rb;
}

int zcutRelRb(resbuf* rb)
{
    while (rb != nullptr) {
        resbuf* next = rb->rbnext;
        switch (kindOf(rb->restype)) {
        case zrxhost::RbValueKind::kString: std::free(rb->resval.rstring); break;
        case zrxhost::RbValueKind::kBinary: std::free(rb->resval.rbinary.buf); break;
        default: break;
        }
        std::free(rb);
        rb = next;
    }
    return RTNORM;
}

static char* copyString(const char* s)
{
    if (s == nullptr) return nullptr;
    size_t n = std::strlen(s) + 1;
    char* p = static_cast<char*>(std::malloc(n));
    std::memcpy(p, s, n);
    return p;
}

resbuf* zcutBuildList(int rtype, ...)
{
    va_list ap;
    va_start(ap, rtype);
    resbuf* head = nullptr;
    resbuf** tail = &head;
    // The platform ends the list at 0 or at RTNONE.
    for (int t = rtype; t != 0 && t != RTNONE; t = va_arg(ap, int)) {
        resbuf* rb = zcutNewRb(t);
        *tail = rb;
        tail = &rb->rbnext;
        switch (kindOf(t)) {
        case zrxhost::RbValueKind::kString: rb->resval.rstring = copyString(va_arg(ap, const char*)); break;
        case zrxhost::RbValueKind::kReal: rb->resval.rreal = va_arg(ap, double); break;
        case zrxhost::RbValueKind::kShort: rb->resval.rint = static_cast<short>(va_arg(ap, int)); break;
        case zrxhost::RbValueKind::kLong: rb->resval.rlong = va_arg(ap, int32_t); break;
        case zrxhost::RbValueKind::kInt64: rb->resval.mnInt64 = va_arg(ap, int64_t); break;
        case zrxhost::RbValueKind::kPoint: {
            const double* p = va_arg(ap, const double*);
            rb->resval.rpoint[0] = p[0];
            rb->resval.rpoint[1] = p[1];
            rb->resval.rpoint[2] = (t == RTPOINT) ? 0.0 : p[2];
            break;
        }
        case zrxhost::RbValueKind::kName: {
            const int64_t* n = va_arg(ap, const int64_t*);
            rb->resval.rlname[0] = n[0];
            rb->resval.rlname[1] = n[1];
            break;
        }
        case zrxhost::RbValueKind::kBinary: {
            const ads_binary* b = va_arg(ap, const ads_binary*);
            rb->resval.rbinary.clen = b->clen;
            rb->resval.rbinary.buf = static_cast<char*>(std::malloc(static_cast<size_t>(b->clen > 0 ? b->clen : 1)));
            if (b->clen > 0) std::memcpy(rb->resval.rbinary.buf, b->buf, static_cast<size_t>(b->clen));
            break;
        }
        case zrxhost::RbValueKind::kNone:
            if (t != -3 && kindOf(t) == zrxhost::RbValueKind::kNone && !(t >= RTNONE && t <= RTINT64)) {
                // Not a code the platform can build: give nothing rather than a half list.
                va_end(ap);
                zcutRelRb(head);
                return nullptr;
            }
            break;
        }
    }
    va_end(ap);
    return head;
}

void zcutDelString(char*& s)
{
    std::free(s);
    s = nullptr;
}

int zcutNewString(const char* source, char*& dest)
{
    dest = copyString(source == nullptr ? "" : source);
    return RTNORM;
}
