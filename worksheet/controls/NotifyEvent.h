#pragma once
// The handler a control calls when it is clicked or changed, with itself as Sender.

#include <functional>

class QObject;

using TNotifyEvent = std::function<void(QObject* Sender)>;
