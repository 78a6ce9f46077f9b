#pragma once
#include "platform/Clock.h"

namespace orvane::platform::win32 {

class Win32Clock : public Clock {
public:
    std::int64_t PerformanceCounter() override;
    std::int64_t PerformanceFrequency() override;
    LocalDateTime LocalTime() override;
    std::string DateTimeText(const LocalDateTime& time) override;
    std::string TimeText(const LocalDateTime& time) override;
    std::string DateText(const LocalDateTime& time) override;
};

} // namespace orvane::platform::win32
