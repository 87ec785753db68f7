// Encoding then decoding gives back the characters of the table that the text holds, narrowed
// and upper-cased, whenever the separator cannot be mistaken for part of a code. Input: a field
// for the separator, then the text. The separator is made such a separator by leaving out every
// byte that could be read as a mark: the dot, the dash, the asterisk and any byte of 0x80 or
// above (every two-byte look-alike has a lead byte); with nothing left it is "/".
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/check.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/plain_rules.h"
#include "morse/decoder.h"
#include "morse/encoder.h"
#include "text/byte_text.h"

namespace {

std::string separatorFrom(std::string_view raw) {
    std::string separator;
    for (const char byte : raw) {
        if (byte != '.' && byte != '-' && byte != '*' && !fuzz::plain::leads(byte)) {
            separator += byte;
        }
    }
    const text::ByteText valid(separator);
    return valid.empty() ? std::string("/") : std::string(valid.bytes());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const text::ByteText separator(separatorFrom(input.field()));
    const std::string_view raw = input.rest();
    const text::ByteText plain(raw);

    const text::ByteText encoded = morse::encodeToMorse(plain, separator);
    const text::ByteText decoded = morse::decodeFromMorse(encoded, separator);
    fuzz::checkValid(decoded, "decodeFromMorse");
    const text::ByteText expected(fuzz::plain::tableCharactersOf(plain.bytes()));
    fuzz::checkShowing(decoded == expected,
                       "decoding the encoder's output gives the text's table characters "
                       "(text, separator, code, expected, got)",
                       plain, separator, encoded, expected, decoded);

    // The same bytes read as Morse: whatever they decode to is made of table characters only, so
    // it must survive a further round trip unchanged.
    const text::ByteText read = morse::decodeFromMorse(plain, separator);
    const text::ByteText reread =
        morse::decodeFromMorse(morse::encodeToMorse(read, separator), separator);
    fuzz::checkShowing(reread == read, "decoded characters survive encoding and decoding again",
                       plain, separator, read, reread);
    return 0;
}
