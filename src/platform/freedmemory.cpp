#include "platform/freedmemory.h"

#include <cstdlib>

void SettleFreedMemory()
{
    // A request larger than any small block, yet below the size that goes
    // straight to the system, makes glibc sort the freed blocks it holds
    // unsorted, up to ten thousand a time, before it answers.
    constexpr std::size_t kMiddleRequest = 96 * 1024;
    constexpr int kRounds = 8;
    for (int i = 0; i < kRounds; ++i) {
        void* volatile block = std::malloc(kMiddleRequest);
        std::free(block);
    }
}
