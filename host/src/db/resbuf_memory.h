// Memory of result buffers and of their strings. Both stay blocks of the C heap, as the SDK
// promises (a caller may free() a string it took out of a chain, or hand the host one it
// allocated), but released blocks wait, per thread, for the next request: a command builds
// and drops lists of dozens of items per entity, more than the C heap keeps at hand.
// Under the address sanitizer every block goes straight back to the heap, so that a use
// after release is caught.
#pragma once

#include <cstddef>

#include "zc_resbuf.h"

namespace zrxhost::rbmem {

// A zeroed result buffer.
resbuf* newBuffer();
void releaseBuffer(resbuf* rb);

// A heap block with room for at least that many bytes.
char* newText(size_t bytes);
// Any block of the C heap (null is allowed).
void releaseText(void* block);

}  // namespace zrxhost::rbmem
