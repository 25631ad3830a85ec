// The conformance cases on the memory store, with GoogleTest.
#include <gtest/gtest.h>

#include "registry/memory_store.h"

using ConformanceStore = registry::MemoryStore;
using ConformanceBase = ::testing::Test;
#define CONFORMANCE_CASE(name) TEST_F(Conformance, name)

#include "registry/tests/conformance_cases.h"
