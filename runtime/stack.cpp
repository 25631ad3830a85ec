// The stack probe the compiler calls before a function whose locals take
// more than a page, in code built with probes (test programs; what ships
// has no frame that large, and no probes). Windows grows a thread's stack
// one guard page at a time, so each page below the current one must be
// touched in order before the function may use it. In its own section, so
// that a program that never calls it does not carry it.
// In: the frame size in eax (rax); every register is kept.

#if defined(__i386__)
asm(R"(
  .section .text$chkstk,"x"
  .globl ___chkstk_ms
  .def ___chkstk_ms; .scl 2; .type 32; .endef
___chkstk_ms:
  pushl %ecx
  pushl %eax
  leal 12(%esp), %ecx
1:
  cmpl $0x1000, %eax
  jb 2f
  subl $0x1000, %ecx
  orl $0, (%ecx)
  subl $0x1000, %eax
  jmp 1b
2:
  subl %eax, %ecx
  orl $0, (%ecx)
  popl %eax
  popl %ecx
  ret
)");
#elif defined(__x86_64__)
asm(R"(
  .section .text$chkstk,"x"
  .globl ___chkstk_ms
  .def ___chkstk_ms; .scl 2; .type 32; .endef
___chkstk_ms:
  pushq %rcx
  pushq %rax
  leaq 24(%rsp), %rcx
1:
  cmpq $0x1000, %rax
  jb 2f
  subq $0x1000, %rcx
  orq $0, (%rcx)
  subq $0x1000, %rax
  jmp 1b
2:
  subq %rax, %rcx
  orq $0, (%rcx)
  popq %rax
  popq %rcx
  ret
)");
#endif
