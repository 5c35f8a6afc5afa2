// Argument fuzzing of every export.
//
// An input picks an export of the public header and an argument tuple for it: sizes,
// count, strides, shifts, null or non-null pointers, pointers aligned only to the element
// size, scalars and source values among NaNs, infinities, subnormals and ordinary numbers,
// and the thread count. Every pointer argument gets a zone of its own, placed so that the
// last byte the call may touch is the last byte before an inaccessible page; bytes between
// elements hold a sentinel. Each input is called twice:
//
//   probe  with every zone inaccessible and one thread: a call that returns without
//          touching a zone must return an argument status; one that touches a zone has
//          passed its checks;
//   call   with the zones filled: the status must be one the export documents, an
//          argument status exactly when the probe returned one (and then the same one,
//          with every zone unchanged); source zones and pointer arrays never change, and
//          every changed byte of a destination lies in one of its elements.
//
// The zones are sized from the largest size argument of the call and its count, so a call
// never has a reason to touch memory outside them; any access outside is a fault the guard
// pages turn into a crash.
#include <dlfcn.h>
#include <setjmp.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "rukm.h"

namespace {

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "FUZZ FINDING: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

// ---- The export table: the public header's declarations ------------------------------------
enum class PK : std::uint8_t {
    Data,      // T* or const T*: operand base, plain result or buffer
    PtrArray,  // T* const* or const T* const*: pointer list or element pointers
    Int32Ptr,  // int32_t* or const int32_t*: pivot indices, buffer size
    BytePtr,   // uint8_t*: work buffer
    Int,       // int32_t
    Real       // float or double by value
};
enum class IR : std::uint8_t { None, ObjStride, RowStride, ElemStride, Shift, Size, Count };

struct Param {
    std::string type, name, prefix;  // prefix: the operand the parameter belongs to
    PK kind;
    bool is_const = false;
    IR role = IR::None;
};

struct Export {
    std::string name;
    void* fn = nullptr;
    int esz = 4;
    char layout = 'S';  // 'S' standard, 'L' pointer list, 'P' element pointers
    char from = 0, to = 0;  // copies between layouts: the source's and the destination's
    std::vector<Param> params;
    std::vector<rukStatus> computed;  // computational statuses the export documents
    bool sized_operands = false;      // operands carry their own sizes (size agreement check)
    int implied = 1;                  // the size of exports with fixed sizes (no size argument)
};

bool ends_with(const std::string& s, const std::string& e) {
    return s.size() >= e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0;
}
bool starts_with(const std::string& s, const std::string& p) { return s.rfind(p, 0) == 0; }
std::string trim(const std::string& s) {
    const auto a = s.find_first_not_of(" \t\n"), b = s.find_last_not_of(" \t\n");
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

Param classify(const std::string& decl) {
    Param p;
    const std::string d = trim(decl);
    const auto cut = d.find_last_of(" *");
    p.name = d.substr(cut + 1);
    p.type = trim(d.substr(0, cut + 1));
    p.is_const = starts_with(p.type, "const");
    const int stars = int(std::count(p.type.begin(), p.type.end(), '*'));
    if (stars == 2) p.kind = PK::PtrArray;
    else if (stars == 1 && p.type.find("int32_t") != std::string::npos) p.kind = PK::Int32Ptr;
    else if (stars == 1 && p.type.find("uint8_t") != std::string::npos) p.kind = PK::BytePtr;
    else if (stars == 1) p.kind = PK::Data;
    else if (p.type == "int32_t") p.kind = PK::Int;
    else p.kind = PK::Real;
    if (p.kind == PK::Int) {
        static const std::pair<const char*, IR> suffix[] = {
            {"ObjStride", IR::ObjStride}, {"RowStride", IR::RowStride}, {"ElemStride", IR::ElemStride},
            {"Shift", IR::Shift}, {"Width", IR::Size}, {"Height", IR::Size}, {"Len", IR::Size}};
        for (const auto& [s, r] : suffix)
            if (ends_with(p.name, s)) {
                p.role = r;
                p.prefix = p.name.substr(0, p.name.size() - std::strlen(s));
            }
        if (p.role == IR::None) {
            if (p.name == "count") p.role = IR::Count;
            else if (p.name == "width" || p.name == "height" || p.name == "len" || p.name == "order") p.role = IR::Size;
        }
    } else if (p.kind != PK::Real) {
        p.prefix = p.name;
    }
    return p;
}

std::vector<rukStatus> computed_statuses(const std::string& name) {
    const std::string fam = name.substr(4, name.find('_') - 4);
    if (fam == "AffineTransform3DH") return {rukErrDivByZero};
    if (fam == "LUDecomp" || fam == "LUBackSubst" || fam == "Invert") return {rukErrSingular};
    if (starts_with(fam, "Cholesky")) return {rukErrNotPosDef};
    if (starts_with(fam, "QR")) return {rukErrDivByZero};
    if (ends_with(fam, "Sym")) return {rukErrNoConverge, rukErrSingular};
    if (starts_with(fam, "EigenValues") && !ends_with(fam, "GetBufSize")) return {rukErrNoConverge};
    return {};
}

std::vector<Export> load_exports() {
    std::ifstream in(RUKM_HEADER);
    if (!in) fail("cannot read " RUKM_HEADER);
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string text = ss.str();
    void* lib = dlopen(nullptr, RTLD_NOW);
    std::vector<Export> out;
    const std::string key = "RUKM_API rukStatus ";
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
        const std::size_t open = text.find('(', at), close = text.find(')', open);
        Export e;
        e.name = trim(text.substr(at + key.size(), open - at - key.size()));
        e.fn = dlsym(lib, e.name.c_str());
        if (!e.fn) fail("no symbol " + e.name);
        e.esz = e.name.find("_64f") != std::string::npos ? 8 : 4;
        e.layout = ends_with(e.name, "_L") ? 'L' : ends_with(e.name, "_P") ? 'P' : 'S';
        const std::size_t type_end = e.name.rfind("f_");
        if (type_end != std::string::npos && e.name.size() == type_end + 4) {  // ..._64f_PL
            e.from = e.name[type_end + 2];
            e.to = e.name[type_end + 3];
        }
        std::stringstream ps(text.substr(open + 1, close - open - 1));
        for (std::string one; std::getline(ps, one, ',');) {
            if (trim(one) == "void") continue;
            e.params.push_back(classify(one));
            const Param& p = e.params.back();
            if (p.role == IR::Size && !p.prefix.empty()) e.sized_operands = true;
        }
        e.computed = computed_statuses(e.name);
        if (starts_with(e.name, "rukmCrossProduct_")) e.implied = 3;           // 3-vectors
        if (starts_with(e.name, "rukmAffineTransform3DH_")) e.implied = 4;     // a 4x4 matrix
        if (e.sized_operands || starts_with(e.name, "rukmQR")) e.computed.push_back(rukErrSizeMismatch);
        out.push_back(std::move(e));
    }
    if (out.size() < 700) fail("the header parse found too few exports");
    return out;
}

// The layout of a pointer-array parameter: a pointer list or element pointers.
char layout_of(const Export& e, const Param& p) {
    if (e.from) return p.is_const ? e.from : e.to;
    return e.layout;
}

const std::vector<Export>& exports() {
    static const std::vector<Export> all = load_exports();
    return all;
}

bool argument_status(rukStatus s) {
    return s == rukErrNullPtr || s == rukErrCount || s == rukErrSize || s == rukErrStride || s == rukErrShift ||
           s == rukErrSizeMismatch;
}
// Size agreement is checked only by the exports whose operands carry their own sizes (and
// the QR family); it is listed with their computational statuses.
bool documented(const Export& ex, rukStatus s) {
    return s == rukOk || (argument_status(s) && s != rukErrSizeMismatch) ||
           std::find(ex.computed.begin(), ex.computed.end(), s) != ex.computed.end();
}

// ---- Calling an export with a decoded argument tuple ----------------------------------------
// Integer and pointer arguments travel in order in the integer registers and then on the
// stack, floating-point arguments in the vector registers (no export has more than three),
// so one call shape with enough slots of each class serves every export.
constexpr int kIntSlots = 24, kRealSlots = 4;
using W = std::uintptr_t;
template <class F>
using Generic = rukStatus (*)(W, W, W, W, W, W, W, W, W, W, W, W, W, W, W, W, W, W, W, W, W, W, W, W, F, F, F, F);

template <class F>
rukStatus call_as(void* fn, const W* i, const double* r) {
    return reinterpret_cast<Generic<F>>(fn)(i[0], i[1], i[2], i[3], i[4], i[5], i[6], i[7], i[8], i[9], i[10], i[11],
                                            i[12], i[13], i[14], i[15], i[16], i[17], i[18], i[19], i[20], i[21],
                                            i[22], i[23], F(r[0]), F(r[1]), F(r[2]), F(r[3]));
}

// ---- The input, read as a byte stream ---------------------------------------------------------
struct Bytes {
    const std::uint8_t* p;
    std::size_t n, at = 0;
    std::uint32_t prng;
    std::uint8_t next() {
        if (at < n) return p[at++];
        prng = prng * 1664525u + 1013904223u;  // past the end: a stream fixed by the input
        return std::uint8_t(prng >> 24);
    }
};

// Values of elements and scalars: ordinary numbers and every special class.
double value_of(std::uint8_t b, int esz) {
    const bool f32 = esz == 4;
    switch (b % 16) {
    case 0: return std::numeric_limits<double>::quiet_NaN();
    case 1: return std::numeric_limits<double>::infinity();
    case 2: return -std::numeric_limits<double>::infinity();
    case 3: return f32 ? double(std::numeric_limits<float>::denorm_min()) * 3 : std::numeric_limits<double>::denorm_min() * 3;
    case 4: return 0.0;
    case 5: return -0.0;
    case 6: return f32 ? 1e30 : 1e300;
    case 7: return f32 ? 1e-30 : 1e-300;
    default: return (int(b) - 128) / 16.0;
    }
}

// ---- Zones: memory behind guard pages ---------------------------------------------------------
const std::size_t kPage = std::size_t(sysconf(_SC_PAGESIZE));
constexpr std::size_t kReserve = std::size_t(1) << 30;
constexpr std::size_t kBudget = std::size_t(48) << 20;  // bytes of zones per input, at most
constexpr std::uint8_t kSentinel = 0xA5;

struct Arena {
    char* base = nullptr;
    std::size_t used = 0;
    Arena() {
        void* m = mmap(nullptr, kReserve, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (m == MAP_FAILED) fail("cannot reserve the arena");
        base = static_cast<char*>(m);
    }
    // `bytes` accessible bytes that end right before an inaccessible page, with an
    // inaccessible page before them too.
    char* zone(std::size_t bytes) {
        const std::size_t pages = (bytes + kPage - 1) / kPage;
        char* start = base + used + kPage;
        used += (pages + 1) * kPage;
        if (used + kPage > kReserve) fail("arena exhausted");
        if (mprotect(start, pages * kPage, PROT_READ | PROT_WRITE) != 0) fail("mprotect");
        return start + pages * kPage - bytes;
    }
    void lock() { mprotect(base, used, PROT_NONE); }
    void unlock_range(char* p, std::size_t bytes) {
        char* a = base + (std::size_t(p - base) / kPage) * kPage;
        mprotect(a, std::size_t(p + bytes - a + kPage - 1) / kPage * kPage, PROT_READ | PROT_WRITE);
    }
    void release() {
        mprotect(base, used, PROT_NONE);
        if (used > (std::size_t(64) << 20)) madvise(base, used, MADV_DONTNEED);  // keep small inputs' pages
        used = 0;
    }
};

struct Zone {
    char* p = nullptr;        // first accessible byte; the last one is followed by a guard page
    std::size_t bytes = 0;
    std::size_t lead = 0;     // bytes before the pointer the call receives
    bool writable = false;  // a destination or work buffer
    bool free_write = false;  // any byte may change (work buffers, sizes)
    std::vector<bool> legal;  // destination bytes that belong to an element
    std::vector<char> before;
};

// ---- One fuzz case ---------------------------------------------------------------------------
struct Operand {
    int ptr = -1;  // parameter index of the pointer
    int obj = -1, row = -1, elem = -1, shift = -1;
};

std::int32_t weird_stride(std::uint8_t b, int esz) {
    const std::int32_t w[] = {0, -esz, 1, esz + 1, esz / 2, std::numeric_limits<std::int32_t>::min(), -1, 3};
    return w[b % 8];
}

struct Case {
    const Export& ex;
    Bytes in;
    Arena& arena;
    int esz;
    std::vector<std::int64_t> ival;  // integer argument values (ints and strides)
    std::vector<double> rval;
    std::vector<Zone> zones;  // one per pointer parameter, by parameter index (or unused)
    std::vector<int> zone_of;
    std::int32_t count = 1;
    int M = 1;
    int threads = 1;

    Case(const Export& e, Bytes b, Arena& a) : ex(e), in(b), arena(a), esz(e.esz) {}

    // Decodes the integer arguments.
    void decode_ints() {
        const int n = int(ex.params.size());
        ival.assign(n, 0);
        const int base_size = 1 + in.next() % 6;
        M = ex.implied;
        std::vector<std::uint8_t> raw(n);
        for (int i = 0; i < n; ++i) raw[i] = in.next();
        // Sizes and count first: strides are formed from them.
        for (int i = 0; i < n; ++i) {
            const Param& p = ex.params[i];
            const std::uint8_t b = raw[i];
            if (p.role == IR::Size) {
                if (b < 176) ival[i] = base_size;
                else if (b < 240) ival[i] = 1 + b % 9;
                else ival[i] = std::vector<std::int64_t>{0, -1, std::numeric_limits<std::int32_t>::min(), 12, 16, 0, -5, 2}[b % 8];
                M = std::max<int>(M, int(std::max<std::int64_t>(ival[i], 1)));
            } else if (p.role == IR::Count) {
                if (b < 160) ival[i] = 1 + b % 12;
                else if (b < 232) ival[i] = 13 + b % 200;
                else if (b < 248) ival[i] = 600 + (b % 16) * 180;  // reaches the parallel thresholds
                else ival[i] = b % 2 ? 0 : -3;
                count = std::int32_t(std::max<std::int64_t>(ival[i], 1));
            }
        }
        for (int i = 0; i < n; ++i) {
            const Param& p = ex.params[i];
            const std::uint8_t b = raw[i];
            switch (p.role) {
            case IR::ElemStride: ival[i] = b < 176 ? esz : b < 232 ? esz * (2 + b % 3) : weird_stride(b, esz); break;
            case IR::Shift:
                ival[i] = b < 160 ? 0 : b < 232 ? esz * (b % 6) : std::vector<std::int64_t>{-esz, 1, 3, std::numeric_limits<std::int32_t>::min()}[b % 4];
                break;
            default: break;
            }
        }
        // Row and object strides follow the element stride of their operand.
        auto stride_of = [&](const std::string& prefix, IR role) {
            for (int i = 0; i < n; ++i)
                if (ex.params[i].role == role && ex.params[i].prefix == prefix) return i;
            return -1;
        };
        for (int i = 0; i < n; ++i) {
            const Param& p = ex.params[i];
            const std::uint8_t b = raw[i];
            if (p.role == IR::RowStride) {
                const int e = stride_of(p.prefix, IR::ElemStride);
                const std::int64_t es = e >= 0 && ival[e] > 0 ? ival[e] : esz;
                ival[i] = b < 176 ? es * M : b < 232 ? es * (M + b % 4) - (b % 2 ? esz : 0) : weird_stride(b, esz);
                if (ival[i] == 0 && b < 232) ival[i] = esz;
            }
        }
        for (int i = 0; i < n; ++i) {
            const Param& p = ex.params[i];
            const std::uint8_t b = raw[i];
            if (p.role == IR::ObjStride) {
                const int r = stride_of(p.prefix, IR::RowStride), e = stride_of(p.prefix, IR::ElemStride);
                std::int64_t span;
                int ptr = -1;
                for (int q = 0; q < n; ++q)
                    if (ex.params[q].kind == PK::PtrArray && ex.params[q].prefix == p.prefix) ptr = q;
                if (ptr >= 0 && layout_of(ex, ex.params[ptr]) == 'P') span = std::int64_t(M) * M * esz;
                else if (r >= 0 && ival[r] > 0) span = ival[r] * M;
                else if (e >= 0 && ival[e] > 0) span = ival[e] * M;
                else span = esz * M;
                ival[i] = b < 176 ? span : b < 232 ? span + esz * (b % 5) - (b % 3 == 0 ? esz : 0) : weird_stride(b, esz);
                if (ival[i] <= 0 && b < 232) ival[i] = esz;
            }
        }
    }

    std::int64_t at(int i) const { return i >= 0 ? ival[i] : 0; }
    static std::int64_t pos(std::int64_t v) { return v > 0 ? v : 0; }

    // Element offsets (from the operand's pointer) that a standard or list object may use.
    template <class F>
    void each_element(const Operand& o, int objects, F f) const {
        const std::int64_t rs = pos(at(o.row)), es = o.elem >= 0 ? pos(at(o.elem)) : 0, os = pos(at(o.obj));
        const int rows = o.row >= 0 ? M : 1, cols = o.elem >= 0 ? M : 1;
        for (int k = 0; k < objects; ++k)
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < cols; ++c) f(k * os + r * rs + c * es);
    }

    std::vector<Operand> operands() const {
        std::vector<Operand> out;
        for (int i = 0; i < int(ex.params.size()); ++i) {
            const Param& p = ex.params[i];
            if (p.kind == PK::Int || p.kind == PK::Real) continue;
            Operand o;
            o.ptr = i;
            for (int j = 0; j < int(ex.params.size()); ++j) {
                const Param& q = ex.params[j];
                if (q.prefix != p.prefix || q.kind != PK::Int) continue;
                if (q.role == IR::ObjStride) o.obj = j;
                if (q.role == IR::RowStride) o.row = j;
                if (q.role == IR::ElemStride) o.elem = j;
                if (q.role == IR::Shift) o.shift = j;
            }
            out.push_back(o);
        }
        return out;
    }

    // Lays out every pointer argument. Returns false when the input needs more memory than
    // the budget allows.
    std::vector<W> args;
    std::vector<bool> null_arg;
    bool lay_out() {
        const int n = int(ex.params.size());
        args.assign(kIntSlots, 0);
        rval.assign(kRealSlots, 0.0);
        zone_of.assign(n, -1);
        std::size_t total = 0;
        std::vector<std::uint8_t> ptr_byte(n);
        for (int i = 0; i < n; ++i) ptr_byte[i] = in.next();
        struct Plan {
            int param;
            std::size_t bytes;
            std::vector<std::int64_t> targets;  // element pointers or list entries: offsets into the data zone
            std::size_t data_bytes = 0;
            std::size_t pad = 0;
        };
        std::vector<Plan> plans;
        const auto ops = operands();
        for (const Operand& o : ops) {
            const Param& p = ex.params[o.ptr];
            const std::size_t pad = std::size_t(ptr_byte[o.ptr] % 4) * esz;  // alignment to the element size only
            Plan pl{o.ptr, 0, {}};
            const std::int64_t sh = pos(at(o.shift));
            if (p.kind == PK::PtrArray) {
                // Pointer list: count objects; element pointers: M*M elements of up to count objects.
                const bool list = layout_of(ex, p) == 'L';
                const int entries = list ? (o.obj >= 0 || count > 1 ? count : 1) : M * M;
                std::int64_t span = 0;
                if (list) {
                    Operand in_obj = o;
                    in_obj.obj = -1;
                    each_element(in_obj, 1, [&](std::int64_t off) { span = std::max(span, off + esz); });
                    span += sh;
                } else {
                    span = sh + (o.obj >= 0 ? (count - 1) * pos(at(o.obj)) : 0) + esz;
                }
                // Objects (or elements) follow each other at a fuzzed distance, possibly overlapping.
                const std::int64_t step = list ? span + esz * (ptr_byte[o.ptr] % 3) : esz * (1 + ptr_byte[o.ptr] % 2);
                for (int e = 0; e < entries; ++e) pl.targets.push_back(e * step);
                pl.data_bytes = std::size_t((entries - 1) * step + span) + pad;
                pl.bytes = std::size_t(entries) * sizeof(void*);
            } else if (p.kind == PK::Data && has_strides(o.ptr)) {
                std::int64_t span = 0;
                each_element(o, o.obj >= 0 ? count : 1, [&](std::int64_t off) { span = std::max(span, off + esz); });
                pl.bytes = std::size_t(span) + pad;
            } else if (p.kind == PK::Int32Ptr) {
                pl.bytes = std::size_t(count) * M * 4 + 4 + pad;
            } else {  // packed results and work buffers
                pl.bytes = std::size_t(count) * M * M * esz + std::size_t(3 * M + 5) * M * 8 + pad;
            }
            pl.pad = pad;
            total += pl.bytes + pl.data_bytes + 2 * kPage;
            plans.push_back(std::move(pl));
        }
        if (total > kBudget) return false;

        zones.assign(n, Zone{});
        zones.reserve(n + plans.size());  // data zones follow; references into the vector stay valid
        for (Plan& pl : plans) {
            const Param& p = ex.params[pl.param];
            Zone& z = zones[pl.param];
            z.bytes = pl.bytes;
            z.p = arena.zone(pl.bytes);
            std::memset(z.p, kSentinel, z.bytes);
            z.writable = !p.is_const;
            if (p.kind != PK::PtrArray) z.lead = pl.pad;
            if (p.kind == PK::PtrArray) {
                // The array itself is read-only; its targets live in a data zone of their own.
                Zone& d = zones.emplace_back();
                d.bytes = pl.data_bytes;
                d.p = arena.zone(pl.data_bytes);
                std::memset(d.p, kSentinel, d.bytes);
                d.writable = !p.is_const;
                z.writable = false;
                char* first = d.p + pl.pad;
                for (std::size_t e = 0; e < pl.targets.size(); ++e) {
                    char* t = first + pl.targets[e];
                    std::memcpy(z.p + e * sizeof(void*), &t, sizeof t);
                }
                zone_of[pl.param] = int(zones.size()) - 1;  // the data zone
            } else {
                zone_of[pl.param] = pl.param;
                z.free_write = p.kind == PK::BytePtr || p.kind == PK::Int32Ptr ||
                               (p.kind == PK::Data && !has_strides(pl.param));
            }
        }
        // Argument values: pointers (null when the input says so), integers, reals.
        int slot = 0, rslot = 0;
        for (int i = 0; i < n; ++i) {
            const Param& p = ex.params[i];
            if (p.kind == PK::Real) {
                rval[rslot++] = value_of(in.next(), esz);
            } else if (p.kind == PK::Int) {
                args[slot++] = W(std::uint32_t(std::int32_t(ival[i])));
            } else {
                null_arg.resize(n);
                null_arg[i] = ptr_byte[i] == 255;
                args[slot++] = null_arg[i] ? 0 : W(zones[i].p + zones[i].lead);
            }
        }
        if (slot > kIntSlots || rslot > kRealSlots) fail(ex.name + ": too many arguments for the call shape");
        fill_sources(ops);
        mark_legal(ops);
        return true;
    }

    bool has_strides(int param) const {
        for (const Param& q : ex.params)
            if (q.kind == PK::Int && q.prefix == ex.params[param].prefix &&
                (q.role == IR::ObjStride || q.role == IR::RowStride || q.role == IR::ElemStride || q.role == IR::Shift))
                return true;
        return false;
    }

    // Element addresses of an operand: (zone index, byte offset in the zone) of every element
    // the call may address.
    template <class F>
    void each_address(const Operand& o, F f) const {
        const Param& p = ex.params[o.ptr];
        const std::int64_t sh = pos(at(o.shift));
        if (p.kind == PK::PtrArray) {
            const Zone& arr = zones[o.ptr];
            const int dz = zone_of[o.ptr];
            const std::size_t entries = arr.bytes / sizeof(void*);
            for (std::size_t e = 0; e < entries; ++e) {
                char* t;
                std::memcpy(&t, arr.p + e * sizeof(void*), sizeof t);
                const std::int64_t base = (t - zones[dz].p) + sh;
                if (layout_of(ex, p) == 'L') {
                    Operand in_obj = o;
                    in_obj.obj = -1;
                    each_element(in_obj, 1, [&](std::int64_t off) { f(dz, base + off); });
                } else {
                    const int objects = o.obj >= 0 ? count : 1;
                    for (int k = 0; k < objects; ++k) f(dz, base + k * pos(at(o.obj)));
                }
            }
        } else if (p.kind == PK::Data && has_strides(o.ptr)) {
            const std::int64_t lead = std::int64_t(zones[o.ptr].lead);
            each_element(o, o.obj >= 0 ? count : 1, [&](std::int64_t off) { f(o.ptr, lead + off); });
        }
    }

    void fill_sources(const std::vector<Operand>& ops) {
        for (const Operand& o : ops) {
            const Param& p = ex.params[o.ptr];
            if (p.kind == PK::Int32Ptr && p.is_const) {
                // Pivot indices: row i of each matrix swaps with a row at or below it.
                Zone& z = zones[o.ptr];
                int order = M;
                for (std::size_t q = 0; q < ex.params.size(); ++q)
                    if (ex.params[q].name == "order" && ival[q] >= 1) order = int(ival[q]);
                for (std::size_t e = 0; e + 4 <= z.bytes; e += 4) {
                    const std::int32_t i = std::int32_t((e / 4) % order);
                    const std::int32_t v = i + in.next() % (order - i);
                    std::memcpy(z.p + e, &v, 4);
                }
                continue;
            }
            if (!p.is_const) continue;
            if (p.kind == PK::Data && !has_strides(o.ptr)) {
                Zone& z = zones[o.ptr];
                for (std::size_t e = 0; e + esz <= z.bytes; e += esz) put(z.p + e, value_of(in.next(), esz));
                continue;
            }
            each_address(o, [&](int zi, std::int64_t off) { put(zones[zi].p + off, value_of(in.next(), esz)); });
        }
    }
    void put(char* at, double v) const {
        if (esz == 4) {
            const float f = float(v);
            std::memcpy(at, &f, 4);
        } else {
            std::memcpy(at, &v, 8);
        }
    }

    void mark_legal(const std::vector<Operand>& ops) {
        for (Zone& z : zones) z.legal.assign(z.bytes, z.free_write);
        for (const Operand& o : ops) {
            if (ex.params[o.ptr].is_const) continue;
            each_address(o, [&](int zi, std::int64_t off) {
                Zone& z = zones[zi];
                for (int b = 0; b < esz; ++b)
                    if (off + b >= 0 && std::size_t(off + b) < z.bytes) z.legal[std::size_t(off + b)] = true;
            });
        }
        for (Zone& z : zones) z.before.assign(z.p, z.p + z.bytes);
    }
};

// ---- The probe: a call with every zone inaccessible ----------------------------------------
sigjmp_buf g_probe_jump;
char* g_probe_lo = nullptr;
char* g_probe_hi = nullptr;
struct sigaction g_old_segv, g_old_bus;

void on_probe_fault(int sig, siginfo_t* info, void* ctx) {
    char* a = static_cast<char*>(info->si_addr);
    if (a >= g_probe_lo && a < g_probe_hi) siglongjmp(g_probe_jump, 1);
    // A fault outside the arena is a finding: hand it to the handler the probe replaced.
    const struct sigaction& old = sig == SIGBUS ? g_old_bus : g_old_segv;
    sigaction(sig, &old, nullptr);
    if ((old.sa_flags & SA_SIGINFO) && old.sa_sigaction) old.sa_sigaction(sig, info, ctx);
}

// Returns true with the status when the call returned without touching the arena.
bool probe(const Export& ex, const std::vector<W>& args, const std::vector<double>& rval, Arena& arena,
           rukStatus& status) {
    struct sigaction sa {};
    sa.sa_sigaction = on_probe_fault;
    sa.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&sa.sa_mask);
    g_probe_lo = arena.base;
    g_probe_hi = arena.base + kReserve;
    sigaction(SIGSEGV, &sa, &g_old_segv);
    sigaction(SIGBUS, &sa, &g_old_bus);
    rukSetNumThreads(1);
    arena.lock();
    volatile bool returned = false;
    volatile rukStatus s = rukOk;
    if (sigsetjmp(g_probe_jump, 1) == 0) {
        s = ex.esz == 8 ? call_as<double>(ex.fn, args.data(), rval.data()) : call_as<float>(ex.fn, args.data(), rval.data());
        returned = true;
    }
    sigaction(SIGSEGV, &g_old_segv, nullptr);
    sigaction(SIGBUS, &g_old_bus, nullptr);
    status = s;
    return returned;
}

// Coverage beyond the harness's own code: one counter per export and status class, so inputs
// that reach a new outcome of an export are kept.
__attribute__((section("__libfuzzer_extra_counters"))) std::uint8_t g_outcomes[1024][8];

int status_class(rukStatus s) {
    switch (s) {
    case rukOk: return 0;
    case rukErrNullPtr: return 1;
    case rukErrCount: return 2;
    case rukErrSize: return 3;
    case rukErrStride: return 4;
    case rukErrShift: return 5;
    case rukErrSizeMismatch: return 6;
    default: return 7;
    }
}

void write_seeds(const char* dir);

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    exports();
    if (const char* dir = std::getenv("RUKM_FUZZ_WRITE_SEEDS")) {
        write_seeds(dir);
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Arena arena;
    if (size < 4) return 0;
    const auto& all = exports();
    Bytes in{data, size, 0, 0x9e3779b9u};
    for (std::size_t i = 0; i < size; ++i) in.prng = in.prng * 31 + data[i];
    const std::uint16_t pick = std::uint16_t(in.next() | in.next() << 8);
    const Export& ex = all[pick % all.size()];
    Case c(ex, in, arena);
    c.threads = 1 + c.in.next() % 4;
    c.decode_ints();
    if (!c.lay_out()) {
        arena.release();
        return 0;
    }
    std::string what = ex.name + "(";
    for (std::size_t i = 0; i < ex.params.size(); ++i) {
        const Param& p = ex.params[i];
        what += (i ? ", " : "") + p.name + "=";
        if (p.kind == PK::Int) what += std::to_string(c.ival[i]);
        else if (p.kind == PK::Real) what += "real";
        else what += c.null_arg[i] ? "null" : "ptr";
    }
    what += "), " + std::to_string(c.threads) + " thread(s)";

    rukStatus probed = rukOk;
    const bool untouched = probe(ex, c.args, c.rval, arena, probed);
    // Unlock every zone again for the real call.
    for (Zone& z : c.zones)
        if (z.p) arena.unlock_range(z.p, z.bytes);
    if (untouched && !documented(ex, probed))
        fail(what + ": undocumented status " + std::to_string(probed));
    if (untouched && !argument_status(probed))
        fail(what + ": returned " + std::to_string(probed) + " without reading or writing an operand");

    rukSetNumThreads(c.threads);
    const rukStatus s = ex.esz == 8 ? call_as<double>(ex.fn, c.args.data(), c.rval.data())
                                    : call_as<float>(ex.fn, c.args.data(), c.rval.data());
    ++g_outcomes[pick % all.size() % 1024][status_class(s)];
    if (!documented(ex, s)) fail(what + ": undocumented status " + std::to_string(s));
    if (untouched && s != probed)
        fail(what + ": status " + std::to_string(s) + " after the checks gave " + std::to_string(probed));
    if (!untouched && argument_status(s))
        fail(what + ": argument status " + std::to_string(s) + " after reading or writing operands");
    for (std::size_t zi = 0; zi < c.zones.size(); ++zi) {
        const Zone& z = c.zones[zi];
        if (!z.p) continue;
        for (std::size_t b = 0; b < z.bytes; ++b) {
            if (z.p[b] == z.before[b]) continue;
            const std::string where = " byte " + std::to_string(b) + " of a zone of " + std::to_string(z.bytes) +
                                      " (parameter " + (zi < ex.params.size() ? ex.params[zi].name : "data") + ")";
            if (argument_status(s)) fail(what + ": wrote" + where + " though a check failed");
            if (!z.writable) fail(what + ": wrote a source:" + where);
            if (!z.legal[b]) fail(what + ": wrote outside the destination elements:" + where);
        }
    }
    arena.release();
    return 0;
}

namespace {

// Seeds: for each family and layout, one call with every argument valid (packed operands,
// sizes 3 or 4, a few objects) and one with a large count.
void write_seeds(const char* dir) {
    const auto& all = exports();
    std::map<std::string, int> per_family;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Export& e = all[i];
        const std::string fam = e.name.substr(4, e.name.find('_') - 4);
        const std::string key = fam + "_" + e.layout + (e.esz == 8 ? "64" : "32");
        if (per_family[key]++ > 0) continue;
        for (int variant = 0; variant < 2; ++variant) {
            std::vector<std::uint8_t> s = {std::uint8_t(i & 0xff), std::uint8_t(i >> 8), std::uint8_t(variant ? 3 : 0),
                                           std::uint8_t(variant ? 3 : 2)};
            for (std::size_t p = 0; p < e.params.size(); ++p) s.push_back(e.params[p].role == IR::Count ? (variant ? 240 : 3) : 0);
            for (std::size_t p = 0; p < e.params.size(); ++p) s.push_back(0);  // pointers: valid, aligned
            for (int v = 0; v < 64; ++v) s.push_back(std::uint8_t(100 + 13 * v));
            const std::string folder = std::string(dir) + "/" + fam;
            std::filesystem::create_directories(folder);
            const std::string path = folder + "/" + key + (variant ? "_many" : "_few");
            std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(s.data()), std::streamsize(s.size()));
        }
    }
}

}  // namespace
