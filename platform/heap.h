#pragma once

namespace vak {

// Readies the heap for the template records of a large VRF model: see heap.cpp. Best effort,
// and nothing where the C library or the system does not offer it.
void readyHeap();

}  // namespace vak
