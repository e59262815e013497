#pragma once
// Waiting while other threads and programs wait for us. A message sent to one
// of this thread's windows blocks its sender until the thread answers it, so a
// task that waits answers sent messages; input and posted messages stay queued
// and nothing is dispatched, as everywhere a task runs.
#include <windows.h>

namespace win {

// Answers the messages sent to this thread's windows so far.
void AnswerSentMessages();

// Waits up to timeoutMs for the object (none: only the time) while answering
// sent messages; true when the object was signalled.
bool WaitAnsweringSentMessages(HANDLE object, DWORD timeoutMs);

}  // namespace win
