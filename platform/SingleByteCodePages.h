#pragma once
// Built-in tables for the Windows single-byte code pages, so that decoding the common cases
// needs neither ICU nor a converter object per call.

namespace ferrolin {

// The 128 characters that bytes 0x80-0xFF stand for in `codePage` (874 or 1250-1258),
// or nullptr when there is no built-in table for it. Bytes below 0x80 are ASCII in all of them.
const char16_t* SingleByteUpperHalf(int codePage);

}  // namespace ferrolin
