#pragma once

#include <functional>

// The root of the objects that event handlers receive as their sender.
class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
