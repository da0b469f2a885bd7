#pragma once

// The time zone as the "Now" command reads it: offsets in minutes with the convention
// GMT = local time + bias.
struct TimeZoneInformation {
    int Bias = 0;          // 300 for a zone five hours west of Greenwich
    int StandardBias = 0;  // added to Bias while standard time is in effect
    int DaylightBias = 0;  // added to Bias while daylight-saving time is in effect, usually -60
};

enum class TimeZoneState {
    Unknown = 0,   // no daylight-saving rule in use
    Standard = 1,
    Daylight = 2,
    Failure = -1,
};

class TimeZoneSource {
public:
    virtual ~TimeZoneSource() = default;

    virtual TimeZoneState GetTimeZoneInformation(TimeZoneInformation &information) const = 0;
};
