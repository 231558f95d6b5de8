// The standard library reports its failures through these functions. The library's own
// versions bring its whole string and exception machinery into the program (about 50 KB in
// the 64-bit exe), for texts the player only ever sees as an internal error. These throw
// the same kinds of failure with a constant text.

#include <bits/functexcept.h>

#include <new>
#include <typeinfo>

#include "toolkit/failure.h"

namespace std {

void __throw_bad_exception() { throw bad_exception(); }
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_logic_error(const char* what) { throw Failure(what); }
void __throw_domain_error(const char* what) { throw Failure(what); }
void __throw_invalid_argument(const char* what) { throw Failure(what); }
void __throw_length_error(const char* what) { throw Failure(what); }
void __throw_out_of_range(const char* what) { throw Failure(what); }
void __throw_out_of_range_fmt(const char* what, ...) { throw Failure(what); }
void __throw_runtime_error(const char* what) { throw Failure(what); }
void __throw_range_error(const char* what) { throw Failure(what); }
void __throw_overflow_error(const char* what) { throw Failure(what); }
void __throw_underflow_error(const char* what) { throw Failure(what); }

}  // namespace std
