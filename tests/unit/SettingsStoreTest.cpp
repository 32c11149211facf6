// The settings store contract on the store in memory that the other tests use,
// so that it keeps the rules of the real ones.
#include <memory>
#include <string>

#include "SettingsStoreContract.h"
#include "memory/MemorySettingsStore.h"

namespace ringlook::settings {
namespace {

using testing::SettingsStoreContract;

// One store holds every key: a new run sees what the last one left.
class MemoryStoreSite final : public testing::StoreSite {
 public:
  SettingsStore& Open() override { return store_; }
  // A path of separators only names no key.
  std::string BlockedKey() override { return "\\\\"; }

 private:
  MemorySettingsStore store_;
};

INSTANTIATE_TEST_SUITE_P(Memory, SettingsStoreContract,
                         ::testing::Values(testing::StoreKind{"Memory",
                                                              [] { return std::make_unique<MemoryStoreSite>(); }}));

}  // namespace
}  // namespace ringlook::settings
