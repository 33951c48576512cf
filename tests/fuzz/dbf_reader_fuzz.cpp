// libFuzzer target for the dBase reader: any bytes must give a file or a palvor::Error, never a
// crash, a hang or a read outside the input.
#include <cstddef>
#include <cstdint>
#include <string>

#include "store/dbf_reader.h"
#include "store/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        auto in = store::DbfReader::from_bytes(std::string(reinterpret_cast<const char*>(data), size), "fuzz.dbf");
        in.last_update();
        for (int r = 0; r < in.record_count(); ++r) {
            auto row = in.record(r);
            for (int f = 0; f < in.field_count(); ++f) {
                try {
                    row.is_blank(f);
                    row.text(f);
                } catch (const palvor::Error&) {
                }
                try {
                    row.real(f);
                } catch (const palvor::Error&) {
                }
                try {
                    row.integer(f);
                } catch (const palvor::Error&) {
                }
                try {
                    row.date(f);
                } catch (const palvor::Error&) {
                }
                try {
                    row.boolean(f);
                } catch (const palvor::Error&) {
                }
            }
        }
        for (auto row : in) row.deleted();
        if (in.field_count() > 0) in.require_field(in.field(0).name);
    } catch (const palvor::Error&) {
    }
    return 0;
}
