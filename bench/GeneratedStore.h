#pragma once

#include "store/Record.h"

namespace bench {

// A store at the format's limit: 32,767 records, about a quarter of them masters
// and the rest sub records spread over them, notes of a few hundred bytes and about
// four links per record. The same seed always gives the same store.
store::Records generateStore(int recordCount = store::kMaxIndex, unsigned seed = 2026);

} // namespace bench
