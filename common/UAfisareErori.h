#pragma once
#include <exception>
#include <functional>

// The program's one way of showing an error that an operation raised: a Romanian error box.
// An EOprireProces is passed on, since it must end the program.
void ArataEroarea(const std::exception_ptr &eroare);

// Runs the action; an error is shown and false returned (whatever the action did in a
// transaction was rolled back by its own scope guard on the way out).
bool IncearcaSiArata(const std::function<void()> &actiune);
