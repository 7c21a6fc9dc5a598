// Case files: any bytes given to the case reader. It never crashes and never throws; it refuses with
// a message or gives a case that restores onto a fresh in-memory window (the lamp lit where its
// derived pressures are not what its inputs give), writes back to JSON that reads again to the same
// case, and captured from that window restores to itself.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "casefile/case_data.h"
#include "casefile/case_json.h"
#include "devices/devices.h"
#include "form/memory_form.h"

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "case reader: %s\n", what);
    std::abort();
}

using namespace orvane;
using namespace orvane::casefile;

CaseData restoredAndCaptured(const CaseData& data) {
    MemoryForm form(devices::windowTable(data.device));
    CalculatorMemory memory;
    ProgramValues shared;
    restore(data, form, memory, shared);
    return capture(data.device, form, memory, shared);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    const CaseRead read = parseCase(input);
    if (!read.data) {
        if (read.message.isEmpty()) fail("refused without a message");
        return 0;
    }
    const CaseData& data = *read.data;
    const CaseRead again = parseCase(caseJson(data), data.device);
    if (!again.data) fail("a case it wrote was refused");
    if (!(*again.data == data)) fail("a case it wrote reads back different");

    const CaseData shown = restoredAndCaptured(data);
    if (shown.inputs != data.inputs) fail("the window does not show the case's inputs");
    if (shown.results != data.results) fail("the window does not show the case's results");
    // The lamp is lit as the case says, and also where its derived pressures are not what its inputs give.
    const bool lit = data.lampLit || sizingCase(data, ProgramValues()).derived.mismatch.has_value();
    if (shown.lampLit != lit || shown.shown != data.shown) fail("the window's layout is not the case's");
    if (const CaseData twice = restoredAndCaptured(shown); !(twice == shown)) {
        std::fprintf(stderr, "captured:\n%s\nrestored and captured again:\n%s\n", caseJson(shown).constData(),
                     caseJson(twice).constData());
        fail("a captured case does not restore to itself");
    }
    const CaseRead written = parseCase(caseJson(shown), shown.device);
    if (!written.data || !(*written.data == shown)) fail("a captured case does not read back");
    return 0;
}
