#pragma once
// The class's JSON API, apart from any HTTP library: one request in, one reply out.
// Runs on the thread that owns the class.

#include "classroom/Classroom.h"

#include <QByteArray>

#include <functional>

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
    // A body too slow to make on the class's thread, a sheet's drawings: made by the
    // sender of the reply, from a copy of what it needs, while the class goes on.
    std::function<QByteArray()> MakeBody = nullptr;
};

TApiReply AnswerRequest(TClassroom& Class, TResultStore& Store, const TApiRequest& Request);
