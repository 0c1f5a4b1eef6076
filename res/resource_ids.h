// Resource numbers shared by res/quillbay.rc and the program.
#ifndef QUILLBAY_RES_RESOURCE_IDS_H_
#define QUILLBAY_RES_RESOURCE_IDS_H_

// The program icon: Form1's icon, also shown by the About box. Load it with
// MAKEINTRESOURCE(IDI_QUILLBAY).
#define IDI_QUILLBAY 1

#endif  // QUILLBAY_RES_RESOURCE_IDS_H_
