#pragma once

class TDM;

// The start-up of the data: registers this build's profile, creates the data module and
// opens the database. Returns nullptr after showing the error when the database cannot be used.
TDM *PornesteDatele();
