// The settings store contract as one suite that every store runs: the one in
// memory, the Qt settings file and the Windows registry. Each kind brings a
// Site, the place its values are kept; its test file instantiates the suite.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "ports/SettingsStore.h"
#include "settings/SettingsValues.h"

namespace ringlook::testing {

class StoreSite {
 public:
  virtual ~StoreSite() = default;
  // A store on this site as a new run of the program sees it, no key open yet.
  virtual SettingsStore& Open() = 0;
  // A key path that this site can neither open nor create.
  virtual std::string BlockedKey() = 0;
};

struct StoreKind {
  const char* name;
  std::function<std::unique_ptr<StoreSite>()> make;
};
inline void PrintTo(const StoreKind& kind, std::ostream* out) { *out << kind.name; }

class SettingsStoreContract : public ::testing::TestWithParam<StoreKind> {
 protected:
  std::unique_ptr<StoreSite> site = GetParam().make();
};

}  // namespace ringlook::testing
