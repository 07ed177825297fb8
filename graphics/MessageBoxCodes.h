#pragma once

// The button sets PresentMessageBox offers and the answers it returns,
// numbered as the Windows message box numbers them. 0 means no box could be
// shown.
enum MessageBoxType : int
{
  MessageBoxOk = 0,
  MessageBoxOkCancel = 1,
  MessageBoxAbortRetryIgnore = 2,
  MessageBoxYesNoCancel = 3,
  MessageBoxYesNo = 4,
  MessageBoxRetryCancel = 5,
};

enum MessageBoxAnswer : int
{
  MessageBoxFailed = 0,
  AnswerOk = 1,
  AnswerCancel = 2,
  AnswerAbort = 3,
  AnswerRetry = 4,
  AnswerIgnore = 5,
  AnswerYes = 6,
  AnswerNo = 7,
};
