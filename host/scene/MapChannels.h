#pragma once
// The map channels of a mesh (triangle or polygon form): which of the
// channels 0..MAX_MESHMAPS-1 are supported, and their map vertices and faces.

#include "host/math/Point3.h"

#include <cstddef>
#include <vector>

using UVVert = Point3;

constexpr int MAX_MESHMAPS = 100;

template <class MapFace>
class MapChannels {
public:
    struct Channel {
        bool supported = false;
        std::vector<UVVert> verts;
        std::vector<MapFace> faces;
    };

    // One past the highest supported channel.
    int Count() const { return static_cast<int>(channels_.size()); }
    bool Supported(int channel) const {
        return channel >= 0 && channel < Count() && channels_[channel].supported;
    }
    Channel& operator[](int channel) { return channels_[channel]; }
    const Channel& operator[](int channel) const { return channels_[channel]; }
    typename std::vector<Channel>::iterator begin() { return channels_.begin(); }
    typename std::vector<Channel>::iterator end() { return channels_.end(); }

    // The channel when this call switched it on (empty, for the caller to
    // give its faces); null when it was on already or is out of range.
    Channel* Enable(int channel) {
        if (channel < 0 || channel >= MAX_MESHMAPS || Supported(channel)) return nullptr;
        if (channel >= Count()) channels_.resize(static_cast<std::size_t>(channel) + 1);
        channels_[channel].supported = true;
        return &channels_[channel];
    }

    void Disable(int channel) {
        if (!Supported(channel)) return;
        channels_[channel] = Channel{};
        while (!channels_.empty() && !channels_.back().supported) channels_.pop_back();
    }

private:
    std::vector<Channel> channels_;
};
