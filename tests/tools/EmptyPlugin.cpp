// A library that loads but offers none of the functions teile calls.
#include <cstdint>

extern "C" int32_t KeineDruckfunktion() { return 0; }
