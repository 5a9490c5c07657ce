#pragma once
// Every module of the data routines keeps its globals in one state struct
// with a complete reset. This resets them all at once: a test's fixture, or a
// fresh start. The hooks the program installed (core::ui(), the recording
// device) stay.
namespace core {

void wyczysc_stan();

} // namespace core
