;;; TRV_PLANTEXTS: every stiffener of the drawing gets its start, end and name texts, in the
;;; styles and sizes the installation's command defaults give, and its actual-plate lines,
;;; shown in the actual-plate display: stiffener lines and their Y marks hidden, the
;;; actual-plate lines shown. The module has no LISP form of the display switch, so the
;;; program hides the stiffeners first; the module then builds their lines shown, as it
;;; does in that display.
;;; TRV_SIDEARROWS: the plate-escape side of the first stiffener and the flange side of
;;; the last, as temporary arrows until the next REGEN.

(defun trv-hide (ent / data layer)
  (if ent
    (progn
      (setq data (entget ent)
            layer (assoc 8 data))
      (entmod (if (assoc 60 data)
                (subst '(60 . 1) (assoc 60 data) data)
                ;; Among the common groups, after the layer.
                (append (reverse (member layer (reverse data)))
                        '((60 . 1))
                        (cdr (member layer data))))))))

;; The entity a link of the stiffener names, or nil.
(defun trv-linked (ent app / x)
  (setq x (assoc -3 (entget ent (list app))))
  (if x (handent (cdr (assoc 1000 (cdadr x))))))

(defun c:TRV_PLANTEXTS (/ all i ent es ns lined)
  (setq all (ssget "X" '((-3 ("STIFF"))))
        i 0
        lined 0)
  (repeat (sslength all)
    (setq ent (ssname all i)
          es (TrevanComARX_GetStiffEndTypeStyleLispFunc ent)
          ns (TrevanComARX_GetStiffNameStyleLispFunc ent))
    (TrevanComARX_MakeStiffTextLispFunc ent (car es) (cadr es) 1)
    (TrevanComARX_MakeStiffNameTextLispFunc ent (car ns) (cadr ns) 1)
    (trv-hide ent)
    (trv-hide (trv-linked ent "STIFF_SYMARK_HDNAME"))
    (trv-hide (trv-linked ent "STIFF_EYMARK_HDNAME"))
    (setq i (1+ i)))
  (setq i 0)
  (repeat (sslength all)
    (if (TrevanComARX_RedrawStiffJitsuitaLispFunc (ssname all i)) (setq lined (1+ lined)))
    (setq i (1+ i)))
  (princ (strcat "\n" (itoa (sslength all)) " stiffeners with texts, "
                 (itoa lined) " with actual-plate lines; display mode "
                 (itoa (TrevanComARX_GetStiffShowModeFunc)) "."))
  (princ))

(defun c:TRV_SIDEARROWS (/ all)
  (setq all (ssget "X" '((-3 ("STIFF"))))
        ##TreviComArx_Lisp_Gloval_Itanige (ssadd (ssname all 0))
        ##TreviComArx_Lisp_Gloval_Flange (ssadd (ssname all (1- (sslength all)))))
  (TrevanComARX_ShowStiffDetailLispFunc)
  (princ))
