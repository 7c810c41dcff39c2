#pragma once
// The class's JSON API, apart from any HTTP library: one request in, one reply out.
// Runs on the thread that owns the class.

#include "classroom/Classroom.h"

#include <QByteArray>

struct TApiRequest {
    QByteArray Method;  // "GET", "POST", ...
    QByteArray Path;    // without the query
    QByteArray Authorization;
    QByteArray Body;
};

struct TApiReply {
    int Status = 200;
    QByteArray ContentType = "application/json";
    QByteArray Body;
};

TApiReply AnswerRequest(TClassroom& Class, TResultStore& Store, const TApiRequest& Request);
