;;; TRV_RENUMBER: the stiffeners of one layer get the names PREFIX1, PREFIX2, ... in the
;;; order they lie: by their start point, bottom to top, then left to right. The name is
;;; the third item of the stiffener record (xdata of STIFF).

(defun trv-replace-nth (n new lst / i)
  (setq i -1)
  (mapcar '(lambda (x) (if (= (setq i (1+ i)) n) new x)) lst))

(defun trv-start (ent)
  (car (TrevanComARX_GetStfiffSEPt ent)))

(defun trv-rename (ent name / data xd)
  (setq data (entget ent '("STIFF"))
        xd (cadr (assoc -3 data)))
  ;; Items follow the application name: the name is item 3.
  (setq xd (cons (car xd) (trv-replace-nth 2 (cons 1000 name) (cdr xd))))
  (entmod (subst (list -3 xd) (assoc -3 data) data)))

(defun c:TRV_RENUMBER (/ layer prefix stiffeners i ents n)
  (setq layer (getstring "\nLayer: ")
        prefix (getstring "\nName prefix: "))
  (setq stiffeners (ssget "X" (list (cons 8 layer) '(-3 ("STIFF"))))
        i 0)
  (if stiffeners
    (repeat (sslength stiffeners)
      (setq ents (cons (ssname stiffeners i) ents)
            i (1+ i))))
  (setq ents (vl-sort ents
                      '(lambda (a b / pa pb)
                         (setq pa (trv-start a) pb (trv-start b))
                         (if (equal (cadr pa) (cadr pb) 1e-6)
                           (< (car pa) (car pb))
                           (< (cadr pa) (cadr pb)))))
        n 0)
  (foreach e ents
    (if (trv-rename e (strcat prefix (itoa (setq n (1+ n))))) nil (princ "\nnot renamed")))
  (princ (strcat "\n" (itoa n) " stiffeners of " layer " renumbered."))
  (princ))
