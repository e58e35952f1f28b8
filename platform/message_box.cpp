// Modal message boxes, through the backend.
#include "platform/message_box.h"
#include "platform/backend.h"

int sys_message_box(const char* text, const char* caption, int style)
{
    return backend().message_box(text, caption, style);
}
