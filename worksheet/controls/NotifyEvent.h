#pragma once
// The handler a control calls when it is clicked or changed, with itself as Sender:
// the same kind of handler as the dial's own change notification.

#include "dial/DialTypes.h"
