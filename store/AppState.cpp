#include "store/AppState.h"

#include "store/DataFileLock.h"
#include "store/LineCipher.h"
#include "store/SafeFile.h"

namespace store {

AppState::AppState() : Records(emptyRecords()) {}

AppState::~AppState() = default;

} // namespace store
