;; The sections linked to a landing line, recoloured for a picture of the links: a
;; section's record (the xdata of "LONG") names its landing line's handle as its 12th value.

;; The handle a section names, or nil.
(defun trv-landing-of (e / xd)
  (setq xd (cdr (car (cdr (assoc -3 (entget e '("LONG")))))))
  (if (>= (length xd) 12) (cdr (nth 11 xd)))
)

;; The colour goes right after the layer, where the entity's common groups are read.
(defun trv-recolour (e c / ed out)
  (setq ed (entget e))
  (if (assoc 62 ed)
    (entmod (subst (cons 62 c) (assoc 62 ed) ed))
    (progn
      (foreach pair ed
        (setq out (cons pair out))
        (if (= (car pair) 8) (setq out (cons (cons 62 c) out)))
      )
      (entmod (reverse out))
    )
  )
)

;; Sections linked to the line of the handle in green, the line in blue; how many sections.
(defun trv-show-links (handle / ss i e n)
  (setq ss (ssget "X" '((-3 ("LONG")))) i 0 n 0)
  (if ss
    (while (< i (sslength ss))
      (setq e (ssname ss i))
      (if (= (trv-landing-of e) handle)
        (progn (trv-recolour e 3) (setq n (1+ n)))
      )
      (setq i (1+ i))
    )
  )
  (trv-recolour (handent handle) 5)
  n
)
