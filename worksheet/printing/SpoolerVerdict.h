#pragma once
// Whether the print spooler turned away the job just handed to it.
//
// Qt gives a finished job to CUPS but never looks at the answer, so a queue that has
// gone, one that no longer accepts jobs, or a spooler that is down would all pass for
// a print that went through. Asked right after the job on the same thread, CUPS still
// holds its answer to that job.

// False when the spooler took the job, or when CUPS is not in use in this process.
bool SpoolerRefusedLastJob();
