#pragma once

#include "ui/TextListingWindow.h"

class Tdmod;

// The show listings, each in a text listing window of its own, built from
// the open show when the window is created.

class TNotesListForm : public TextListingWindow
{
    Q_OBJECT
public:
    explicit TNotesListForm(Tdmod& data, QWidget* parent = nullptr);
};

class TPrePaidListForm : public TextListingWindow
{
    Q_OBJECT
public:
    explicit TPrePaidListForm(Tdmod& data, QWidget* parent = nullptr);
};

class TWorkerListForm : public TextListingWindow
{
    Q_OBJECT
public:
    explicit TWorkerListForm(Tdmod& data, QWidget* parent = nullptr);
};

class TEmailSentListForm : public TextListingWindow
{
    Q_OBJECT
public:
    explicit TEmailSentListForm(Tdmod& data, QWidget* parent = nullptr);
};

class TListEmailsForm : public TextListingWindow
{
    Q_OBJECT
public:
    explicit TListEmailsForm(Tdmod& data, QWidget* parent = nullptr);
};

// "String of Emails" of the show, built under the hourglass cursor.
class TEmailStringForm1 : public TextListingWindow
{
    Q_OBJECT
public:
    explicit TEmailStringForm1(Tdmod& data, QWidget* parent = nullptr);
};
