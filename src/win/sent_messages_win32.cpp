#include "win/sent_messages_win32.h"

namespace win {

// Peeking delivers the pending sent messages; the filter keeps everything else in the queue.
void AnswerSentMessages() {
    MSG message;
    ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

bool WaitAnsweringSentMessages(HANDLE object, DWORD timeoutMs) {
    const DWORD objectCount = object != nullptr ? 1 : 0;
    const DWORD start = ::GetTickCount();
    for (;;) {
        const DWORD elapsed = ::GetTickCount() - start;
        const DWORD left = elapsed < timeoutMs ? timeoutMs - elapsed : 0;
        const DWORD woken = ::MsgWaitForMultipleObjects(objectCount, &object, FALSE, left, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0 && objectCount == 1) return true;
        if (woken != WAIT_OBJECT_0 + objectCount) return false;  // the time is up, or the wait failed
        AnswerSentMessages();
    }
}

}  // namespace win
